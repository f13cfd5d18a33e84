// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/conversion.h"

#include "copying/colortemplate.h"
#include "css/csscolorreader.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <string>
#include <string_view>
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <unistd.h>

namespace {

constexpr qsizetype longestWord = 60;

// What runs before the conversion (the command line's parsing in Qt's string code) can leave the
// upper halves of the AVX registers in use; then every SSE instruction after it pays for a merge,
// and a million lines of color arithmetic take half as long again. Clearing them once is enough.
#if defined(__x86_64__)
__attribute__((target("avx"))) void clearUpperVectorHalves()
{
    _mm256_zeroupper();
}
#endif

void startWithCleanVectorRegisters()
{
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx"))
        clearUpperVectorHalves();
#endif
}

void writeText(std::FILE *file, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file);
}

void complain(std::FILE *errors, const QString &what)
{
    writeText(errors, QStringLiteral("rusket: %1\n").arg(what));
}

// What has arrived, without waiting for a whole block: a pipe or a terminal gives each line as
// it comes. A stream in memory has no descriptor and is read as a stream. -1 on a read error.
ssize_t readSome(std::FILE *in, char *buffer, size_t size)
{
    const int descriptor = fileno(in);
    if (descriptor < 0) {
        const size_t got = std::fread(buffer, 1, size, in);
        return got == 0 && std::ferror(in) ? -1 : ssize_t(got);
    }
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, size);
        if (got >= 0)
            return got;
        if (errno == EAGAIN || errno == EWOULDBLOCK) { // left non-blocking by another program
            pollfd waiting{descriptor, POLLIN, 0};
            ::poll(&waiting, 1, -1);
        } else if (errno != EINTR) {
            return -1;
        }
    }
}

// UTF-16 text begins with its byte order mark, or, without one, with an ASCII character
// beside a zero byte.
bool looksLikeUtf16(std::string_view start)
{
    if (start.size() < 2)
        return false;
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF"))
        return true;
    const auto printable = [](char c) { return c >= ' ' && c <= '~'; };
    return (start[0] == 0 && printable(start[1])) || (printable(start[0]) && start[1] == 0);
}

// Cuts the input into lines as it arrives and converts each complete one.
class LineConverter
{
public:
    LineConverter(std::FILE *errors, const ColorWriting &writing)
        : errors(errors)
        , writing(writing)
    { }

    std::string written; // the answers so far, to be written out
    int status = 0;

    /// Takes more input and converts the lines it completes; false when the input is refused.
    bool take(std::string_view text)
    {
        pending.append(text);
        if (!started && !begin(false))
            return false;
        if (!started)
            return true; // the rest of a byte order mark may follow
        size_t start = 0;
        if (skipLineFeed && !pending.empty()) {
            start = pending.front() == '\n' ? 1 : 0;
            skipLineFeed = false;
        }
        for (size_t at = std::max(start, scanned); at < pending.size(); ++at) {
            const char c = pending[at];
            if (c != '\n' && c != '\r')
                continue;
            convert(std::string_view(pending).substr(start, at - start));
            if (c == '\r' && at + 1 == pending.size())
                skipLineFeed = true; // a CR LF cut between two reads
            else if (c == '\r' && pending[at + 1] == '\n')
                ++at;
            start = at + 1;
        }
        pending.erase(0, start);
        scanned = pending.size();
        return true;
    }

    /// The last line, without its line end.
    void finish()
    {
        if ((started || begin(true)) && !pending.empty())
            convert(pending);
    }

private:
    std::FILE *errors;
    const ColorWriting &writing;
    std::string pending; // a line not yet ended
    size_t scanned = 0; // how much of it holds no line end
    bool started = false;
    bool skipLineFeed = false;
    long long lineNumber = 0;

    // Once enough of the input is there: a UTF-8 byte order mark is passed over, UTF-16 refused.
    bool begin(bool atEnd)
    {
        if (!atEnd && pending.size() < 3 && pending.find_first_of("\r\n") == std::string::npos)
            return true; // not yet
        started = true;
        if (looksLikeUtf16(pending)) {
            complain(errors,
                QCoreApplication::translate("Conversion",
                    "the input is UTF-16 text; Rusket reads UTF-8 (iconv -f UTF-16 -t UTF-8 converts it)."));
            status = 1;
            return false;
        }
        if (pending.starts_with("\xEF\xBB\xBF"))
            pending.erase(0, 3);
        return true;
    }

    void convert(std::string_view line)
    {
        ++lineNumber;
        if (line.find_first_not_of(" \t") == std::string_view::npos) {
            written += '\n'; // a blank line stays blank
            return;
        }
        const CssReading reading = readCssColor(line);
        if (!reading.ok) {
            status = 1;
            written += '\n';
            writeText(errors,
                QStringLiteral("line %1: %2\n").arg(lineNumber).arg(Conversion::readableReason(reading.reason)));
        } else if (writing.format == CssFormat::Hex) {
            char hex[8];
            CssFormats::writeHex(reading.bytes, hex);
            hex[7] = '\n';
            written.append(hex, 8);
        } else {
            written += Conversion::allFormats(reading.bytes, writing).toStdString();
        }
    }
};

} // namespace

namespace Conversion {

QString allFormats(Rgb color, const ColorWriting &writing)
{
    if (!writing.templateText.isEmpty())
        return ColorTemplate::expand(writing.templateText, color, {}, writing.hex).text + u'\n';
    if (writing.format)
        return CssFormats::write(color, *writing.format) + u'\n';
    QString text;
    for (CssFormat each : CssFormats::all)
        text += (QLatin1String(CssFormats::nameOf(each)) + QStringLiteral(": ") + CssFormats::write(color, each))
                    .trimmed()
            + u'\n';
    return text;
}

int convertLines(std::FILE *in, std::FILE *out, std::FILE *errors, const ColorWriting &writing)
{
    // Whole blocks when they are there, each line as it comes when it is typed: the answers to
    // what has arrived are written before more is waited for.
    LineConverter converter(errors, writing);
    std::string buffer(1 << 16, '\0');
    startWithCleanVectorRegisters();
    ssize_t got = 0;
    bool accepted = true;
    while (accepted && (got = readSome(in, buffer.data(), buffer.size())) > 0) {
        accepted = converter.take(std::string_view(buffer.data(), size_t(got)));
        std::fwrite(converter.written.data(), 1, converter.written.size(), out);
        converter.written.clear();
        if (!flushed(out, errors))
            return 1;
    }
    if (got < 0) {
        complain(errors,
            QCoreApplication::translate("Conversion", "the input could not be read: %1")
                .arg(QString::fromLocal8Bit(std::strerror(errno))));
        converter.status = 1;
    }
    if (accepted)
        converter.finish();
    std::fwrite(converter.written.data(), 1, converter.written.size(), out);
    return flushed(out, errors) ? converter.status : 1;
}

bool flushed(std::FILE *out, std::FILE *errors)
{
    // A full disk or a closed pipe is a failure, not output that only looked written.
    if (std::fflush(out) == 0 && !std::ferror(out))
        return true;
    complain(errors,
        QCoreApplication::translate("Conversion", "the output could not be written: %1")
            .arg(QString::fromLocal8Bit(std::strerror(errno))));
    return false;
}

QString readableReason(const QString &reason)
{
    QStringList words = reason.split(u' ');
    for (QString &word : words) {
        if (word.size() > longestWord + 3) { // keep the quote marks or brackets that close it
            qsizetype closing = word.size();
            while (closing > word.size() - 3 && !word[closing - 1].isLetterOrNumber())
                --closing;
            word = word.left(longestWord) + u'\u2026' + word.mid(closing);
        }
        QString visible;
        for (const QChar c : word) {
            if (c.category() == QChar::Other_Control)
                visible += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                visible += c;
        }
        word = visible;
    }
    return words.join(u' ');
}

} // namespace Conversion
