// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettes/paletteimport.h"

#include "css/csscolorreader.h"
#include "palettes/palettefiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

namespace PaletteImport {
namespace {

QString decoded(const QByteArray &data)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(data);
    return decoder.hasError() ? QString::fromLatin1(data) : text;
}

// The text with each comment blanked out; line breaks stay, so that line numbers do.
QString withoutComments(QString text)
{
    for (qsizetype start = text.indexOf(QLatin1String("/*")); start >= 0;
         start = text.indexOf(QLatin1String("/*"), start)) {
        qsizetype end = text.indexOf(QLatin1String("*/"), start + 2);
        end = end < 0 ? text.size() : end + 2;
        for (qsizetype i = start; i < end; ++i) {
            if (text.at(i) != u'\n')
                text[i] = u' ';
        }
        start = end;
    }
    return text;
}

struct Piece
{
    QStringView text;
    int line;
};

// The declarations: the text cut at ';', '{', '}' and line ends, each trimmed, none empty.
QList<Piece> piecesOf(const QString &text)
{
    QList<Piece> pieces;
    int line = 1;
    qsizetype start = 0;
    int startLine = 1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text.at(i) : QChar(u'\n');
        if (c != u';' && c != u'{' && c != u'}' && c != u'\n')
            continue;
        if (const QStringView piece = QStringView(text).sliced(start, i - start).trimmed(); !piece.isEmpty())
            pieces.append({piece, startLine});
        line += c == u'\n';
        start = i + 1;
        startLine = line;
    }
    return pieces;
}

struct Declaration
{
    QStringView name;
    QStringView value;
    bool customProperty = false;
};

Declaration declarationOf(QStringView piece)
{
    Declaration declaration;
    declaration.value = piece;
    if (const qsizetype colon = piece.indexOf(u':'); colon >= 0) {
        declaration.name = piece.first(colon).trimmed();
        declaration.value = piece.sliced(colon + 1).trimmed();
    }
    if (declaration.name.startsWith(QLatin1String("--"))) {
        declaration.name = declaration.name.sliced(2);
        declaration.customProperty = true;
    }
    if (declaration.value.endsWith(QLatin1String("!important"), Qt::CaseInsensitive))
        declaration.value = declaration.value.chopped(10).trimmed();
    return declaration;
}

GplReading readCss(const QByteArray &data, const QString &fileName)
{
    GplReading reading;
    UserPalette palette;
    palette.name = QFileInfo(fileName).completeBaseName();
    const QString text = withoutComments(decoded(data));
    const bool stylesheet = text.contains(u'{');
    for (const Piece &piece : piecesOf(text)) {
        const Declaration declaration = declarationOf(piece.text);
        if (stylesheet && !declaration.customProperty)
            continue;
        const CssReading color = piece.text.size() <= GplFormat::longestLine
            ? readCssColor(declaration.value.toString())
            : CssReading{false, {}, {},
                QCoreApplication::translate("Palettes", "the line is longer than %1 characters")
                    .arg(GplFormat::longestLine)};
        if (color.ok)
            palette.entries.append({color.bytes, declaration.name.toString()});
        else if (!stylesheet && reading.problems.size() < GplFormat::reportedLines)
            reading.problems.append({fileName, piece.line,
                QCoreApplication::translate("Palettes", "\"%1\" is not a color: %2")
                    .arg(piece.text.first(qMin(piece.text.size(), 40)), color.reason)});
    }
    if (palette.entries.isEmpty())
        reading.problems.prepend(
            {fileName, 0, QCoreApplication::translate("Palettes", "holds no color that could be read")});
    else
        reading.palette = palette;
    return reading;
}

} // namespace

GplReading read(const QByteArray &data, const QString &fileName)
{
    if (GplFormat::isPalette(data))
        return GplFormat::read(data, fileName);
    if (data.contains('\0'))
        return {std::nullopt,
            {{fileName, 0,
                QCoreApplication::translate("Palettes", "is neither a GIMP palette nor a text with CSS colors")}}};
    return readCss(data, fileName);
}

GplReading readFile(const QString &path)
{
    QByteArray data;
    if (std::optional<LoadError> error = PaletteFiles::read(path, &data))
        return {std::nullopt, {*error}};
    return read(data, QFileInfo(path).fileName());
}

} // namespace PaletteImport
