// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/conversion.h"

#include "css/csscolorreader.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// What runs before the conversion (the command line's parsing in Qt's string code) can leave the
// upper halves of the AVX registers in use; then every SSE instruction after it pays for a merge,
// and a million lines of colour arithmetic take half as long again. Clearing them once is enough.
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

} // namespace

namespace Conversion {

QString allFormats(Rgb color, std::optional<CssFormat> format)
{
    if (format)
        return CssFormats::write(color, *format) + u'\n';
    QString text;
    for (CssFormat each : CssFormats::all)
        text += (QLatin1String(CssFormats::nameOf(each)) + QStringLiteral(": ") + CssFormats::write(color, each))
                    .trimmed()
            + u'\n';
    return text;
}

int convertLines(std::FILE *in, std::FILE *out, std::FILE *errors, std::optional<CssFormat> format)
{
    // Whole blocks in, whole blocks out: a million lines a second leaves no time for more.
    std::string pending, written;
    std::string buffer(1 << 16, '\0');
    long long lineNumber = 0;
    int status = 0;
    startWithCleanVectorRegisters();
    const auto convert = [&](std::string_view line) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const CssReading reading = readCssColor(line);
        if (!reading.ok) {
            status = 1;
            written += '\n';
            std::fprintf(errors, "line %lld: %s\n", lineNumber, qPrintable(reading.reason));
        } else if (format == CssFormat::Hex) {
            char hex[8];
            CssFormats::writeHex(reading.bytes, hex);
            hex[7] = '\n';
            written.append(hex, 8);
        } else {
            written += allFormats(reading.bytes, format).toStdString();
        }
    };
    size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
        pending.append(buffer.data(), got);
        size_t start = 0;
        for (size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1)
            convert(std::string_view(pending).substr(start, end - start));
        pending.erase(0, start);
        std::fwrite(written.data(), 1, written.size(), out);
        written.clear();
    }
    if (!pending.empty())
        convert(pending);
    std::fwrite(written.data(), 1, written.size(), out);
    return flushed(out, errors) ? status : 1;
}

bool flushed(std::FILE *out, std::FILE *errors)
{
    // A full disk or a closed pipe is a failure, not output that only looked written.
    if (std::fflush(out) == 0 && !std::ferror(out))
        return true;
    std::fprintf(errors, "rusket: %s\n",
        qPrintable(QCoreApplication::translate("Conversion", "the output could not be written: %1")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)))));
    return false;
}

} // namespace Conversion
