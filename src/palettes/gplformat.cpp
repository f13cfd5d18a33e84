// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettes/gplformat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace GplFormat {
namespace {

const QByteArray header = QByteArrayLiteral("GIMP Palette");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The next line from `pos`, without its line end; `pos` moves past the line end.
QByteArrayView nextLine(QByteArrayView data, qsizetype &pos)
{
    const qsizetype end = data.indexOf('\n', pos);
    QByteArrayView line = data.sliced(pos, (end < 0 ? data.size() : end) - pos);
    pos = end < 0 ? data.size() : end + 1;
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

// A whole number 0..255 at `pos` (leading zeros allowed, as GIMP reads them), then blanks.
std::optional<quint8> readComponent(QByteArrayView line, qsizetype &pos)
{
    const qsizetype start = pos;
    int value = 0;
    while (pos < line.size() && line.at(pos) >= '0' && line.at(pos) <= '9' && value <= 255)
        value = value * 10 + (line.at(pos++) - '0');
    if (pos == start || value > 255 || (pos < line.size() && !isBlank(line.at(pos))))
        return std::nullopt;
    while (pos < line.size() && isBlank(line.at(pos)))
        ++pos;
    return quint8(value);
}

struct ColorLine
{
    Rgb color;
    QByteArrayView name;
};

std::optional<ColorLine> readColorLine(QByteArrayView line)
{
    qsizetype pos = 0;
    ColorLine read;
    for (quint8 *component : {&read.color.red, &read.color.green, &read.color.blue}) {
        const std::optional<quint8> value = readComponent(line, pos);
        if (!value)
            return std::nullopt;
        *component = *value;
    }
    read.name = line.sliced(pos);
    return read;
}

// Reads the lines after the header into the palette, collecting the problems.
class BodyReader
{
public:
    BodyReader(const QString &fileName, bool utf8)
        : fileName(fileName)
        , utf8(utf8)
    { }

    void readLine(QByteArrayView line, int number, UserPalette &palette)
    {
        const QByteArrayView text = line.trimmed();
        if (line.size() > longestLine) {
            report(number,
                QCoreApplication::translate("Palettes", "the line is longer than %1 characters").arg(longestLine));
        } else if (text.startsWith('#')) {
            palette.comments.append(cleanedText(decoded(text)));
        } else if (const std::optional<ColorLine> color = readColorLine(text)) {
            palette.entries.append({color->color, cleanedText(decoded(color->name))});
            inHeader = false;
        } else if (inHeader && (text.startsWith("Name:") || text.startsWith("Columns:"))) {
            readHeaderLine(text, number, palette);
        } else if (!text.isEmpty()) {
            report(number,
                QCoreApplication::translate("Palettes",
                    "\"%1\" is not a color: a color line starts with three whole numbers from 0 to 255 "
                    "(red, green, blue)")
                    .arg(quoted(text)));
            palette.comments.append(cleanedComment(decoded(text))); // saved again, the text stays
        }
    }

    void readHeaderLine(QByteArrayView text, int number, UserPalette &palette)
    {
        if (text.startsWith("Name:")) {
            if (const QString name = cleanedText(decoded(text.sliced(5))); !name.isEmpty())
                palette.name = name;
            return;
        }
        bool ok = false;
        const int columns = text.sliced(8).trimmed().toInt(&ok);
        if (ok && columns >= 0 && columns <= 255)
            palette.columns = columns;
        else
            report(number,
                QCoreApplication::translate("Palettes", "\"%1\" is not a column count from 0 to 255")
                    .arg(quoted(text)));
    }

    QList<LoadError> problems() const
    {
        QList<LoadError> all = reported;
        if (unreported > 0)
            all.append({fileName, 0,
                QCoreApplication::translate("Palettes", "further lines that could not be read: %1").arg(unreported)});
        return all;
    }

private:
    QString decoded(QByteArrayView text) const { return utf8 ? QString::fromUtf8(text) : QString::fromLatin1(text); }
    QString quoted(QByteArrayView text) const { return decoded(text.first(qMin(text.size(), 40))); }

    void report(int line, const QString &what)
    {
        if (reported.size() < reportedLines)
            reported.append({fileName, line, what});
        else
            ++unreported;
    }

    QString fileName;
    bool utf8;
    bool inHeader = true;
    QList<LoadError> reported;
    int unreported = 0;
};

bool isUtf8(QByteArrayView data)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder(data);
    return !decoder.hasError();
}

QByteArrayView withoutByteOrderMark(const QByteArray &data)
{
    return data.startsWith("\xEF\xBB\xBF") ? QByteArrayView(data).sliced(3) : QByteArrayView(data);
}

// "%3d" for a component: right-aligned in three places.
void appendComponent(QByteArray &out, quint8 value)
{
    char digits[3] = {' ', ' ', char('0' + value % 10)};
    if (value >= 10)
        digits[1] = char('0' + value / 10 % 10);
    if (value >= 100)
        digits[0] = char('0' + value / 100);
    out.append(digits, 3);
}

} // namespace

bool isPalette(const QByteArray &data)
{
    qsizetype pos = 0;
    return nextLine(withoutByteOrderMark(data), pos).trimmed() == header;
}

GplReading read(const QByteArray &data, const QString &fileName)
{
    if (!isPalette(data))
        return {std::nullopt,
            {{fileName, 0,
                QCoreApplication::translate(
                    "Palettes", "is not a GIMP palette: its first line is not \"GIMP Palette\"")}}};
    const QByteArrayView text = withoutByteOrderMark(data);
    UserPalette palette;
    palette.name = QFileInfo(fileName).completeBaseName();
    BodyReader reader(fileName, isUtf8(text));
    qsizetype pos = 0;
    nextLine(text, pos); // the header
    for (int number = 2; pos < text.size(); ++number)
        reader.readLine(nextLine(text, pos), number, palette);
    return {palette, reader.problems()};
}

QByteArray write(const UserPalette &palette)
{
    QByteArray out;
    out.reserve(64 + palette.entries.size() * 24);
    out += header + "\nName: " + cleanedText(palette.name).toUtf8()
        + "\nColumns: " + QByteArray::number(qBound(0, palette.columns, 255)) + '\n';
    for (const QString &comment : palette.comments)
        out += cleanedComment(comment).toUtf8() + '\n';
    for (const PaletteEntry &entry : palette.entries) {
        appendComponent(out, entry.color.red);
        out += ' ';
        appendComponent(out, entry.color.green);
        out += ' ';
        appendComponent(out, entry.color.blue);
        if (const QString name = cleanedText(entry.name); !name.isEmpty())
            out += '\t' + name.toUtf8();
        out += '\n';
    }
    return out;
}

QString cleanedText(const QString &text)
{
    const auto breaksLine = [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    };
    const bool clean = std::none_of(text.begin(), text.end(), breaksLine)
        && (text.isEmpty() || (!text.front().isSpace() && !text.back().isSpace()));
    if (clean)
        return text; // shared, not copied: most names are clean
    QString line = text;
    std::replace_if(line.begin(), line.end(), breaksLine, QChar(u' '));
    return line.trimmed();
}

QString cleanedComment(const QString &comment)
{
    const QString line = cleanedText(comment);
    return line.startsWith(u'#') ? line : (QStringLiteral("# ") + line).trimmed();
}

UserPalette cleaned(UserPalette palette)
{
    palette.name = cleanedText(palette.name);
    palette.columns = qBound(0, palette.columns, 255);
    for (QString &comment : palette.comments)
        comment = cleanedComment(comment);
    for (PaletteEntry &entry : palette.entries)
        entry.name = cleanedText(entry.name);
    return palette;
}

} // namespace GplFormat
