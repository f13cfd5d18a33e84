// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettes/paletteexport.h"

#include "copying/colortemplate.h"
#include "css/colorspace.h"
#include "palettes/gplformat.h"
#include "text/asciicase.h"

#include <QSet>
#include <QStringList>
#include <cmath>

namespace PaletteExport {
namespace {

struct FormName
{
    PaletteForm form;
    const char *name;
};

const FormName formNames[] = {{PaletteForm::Css, "css"}, {PaletteForm::Tailwind, "tailwind"},
    {PaletteForm::Tokens, "tokens"}, {PaletteForm::Gpl, "gpl"}, {PaletteForm::Lines, "lines"}};

// How each colour's value is written: in a CSS format, or by the user's template.
struct ValueStyle
{
    CssFormat format;
    const QString &templateText;
    const HexStyle &hex;

    QString of(const PaletteEntry &entry) const
    {
        if (!templateText.isEmpty())
            return ColorTemplate::expand(templateText, entry.color, entry.name, hex).text;
        const QString text = CssFormats::write(entry.color, format);
        return text.isEmpty() ? CssFormats::write(entry.color, CssFormat::Hex) : text;
    }
};

QString cssIdentifier(const QString &name)
{
    QString identifier;
    bool separator = false;
    for (const char32_t c : AsciiCase::lowered(name).toUcs4()) {
        if (c == U'_' || QChar::isLetterOrNumber(c)) {
            if (separator && !identifier.isEmpty())
                identifier += u'-';
            identifier += QString::fromUcs4(&c, 1);
            separator = false;
        } else {
            separator = true;
        }
    }
    return identifier;
}

QString tokenName(const QString &name)
{
    QString token = name;
    token.replace(u'{', u'-').replace(u'}', u'-').replace(u'.', u'-');
    while (token.startsWith(u'$'))
        token.remove(0, 1);
    return token;
}

// The colours' names made by `make`, each made unique by "<separator>2", "<separator>3", ...;
// a colour without a name (or one `make` leaves nothing of) takes the palette's name and its place.
QStringList uniqueNames(const UserPalette &palette, QString (*make)(const QString &), QChar separator)
{
    const QString prefix = palette.name.isEmpty() ? QStringLiteral("color") : palette.name;
    QStringList names;
    QSet<QString> taken;
    for (qsizetype i = 0; i < palette.entries.size(); ++i) {
        QString name = make(palette.entries.at(i).name);
        if (name.isEmpty())
            name = make(prefix + u' ' + QString::number(i + 1));
        if (name.isEmpty())
            name = QStringLiteral("color") + separator + QString::number(i + 1);
        QString unique = name;
        for (int n = 2; taken.contains(unique); ++n)
            unique = name + separator + QString::number(n);
        taken.insert(unique);
        names.append(unique);
    }
    return names;
}

QString declarations(const UserPalette &palette, const ValueStyle &style, const QString &opening, bool tailwind)
{
    const QStringList names = uniqueNames(palette, cssIdentifier, u'-');
    QString text = opening + QStringLiteral(" {\n");
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool prefixed = tailwind && !names.at(i).startsWith(QLatin1String("color-"));
        text += QStringLiteral("  --") + (prefixed ? QStringLiteral("color-") : QString()) + names.at(i)
            + QStringLiteral(": ") + style.of(palette.entries.at(i)) + QStringLiteral(";\n");
    }
    return text + QStringLiteral("}\n");
}

QString jsonString(const QString &text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\')
            quoted += u'\\' + QString(c);
        else if (c.unicode() < 0x20)
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
        else
            quoted += c;
    }
    return quoted + u'"';
}

struct TokenSpace
{
    CssFormat format;
    ColorSpace space;
    const char *name;
};

// The design tokens' colour space for each format; hex, rgb and name are srgb.
const TokenSpace tokenSpaces[] = {{CssFormat::Hsl, ColorSpace::Hsl, "hsl"}, {CssFormat::Hwb, ColorSpace::Hwb, "hwb"},
    {CssFormat::Lab, ColorSpace::Lab, "lab"}, {CssFormat::Lch, ColorSpace::Lch, "lch"},
    {CssFormat::Oklab, ColorSpace::Oklab, "oklab"}, {CssFormat::Oklch, ColorSpace::Oklch, "oklch"},
    {CssFormat::DisplayP3, ColorSpace::DisplayP3, "display-p3"}};

TokenSpace tokenSpaceOf(CssFormat format)
{
    for (const TokenSpace &space : tokenSpaces) {
        if (space.format == format)
            return space;
    }
    return {format, ColorSpace::Srgb, "srgb"};
}

// The components rounded to `decimals`, hues in [0, 360).
std::array<double, 3> rounded(const CssColor &color, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    std::array<double, 3> components{};
    for (int i = 0; i < 3; ++i) {
        components[i] = std::round(color.c[i] * scale) / scale;
        if (ColorSpaces::hueIndex(color.space) == i)
            components[i] = std::fmod(components[i], 360);
    }
    return components;
}

// `"colorSpace": ..., "components": [...]`: the colour itself in the format's space, with the
// fewest decimals that convert back to the same bytes without any gamut mapping. (The CSS
// texts are shorter: a browser maps them back into sRGB, which a token reader need not do.)
QString tokenColor(Rgb color, CssFormat format)
{
    const TokenSpace space = tokenSpaceOf(format);
    CssColor exact = ColorSpaces::convert(ColorSpaces::fromBytes(color), space.space);
    const std::optional<int> hue = ColorSpaces::hueIndex(space.space);
    if (hue && (std::isnan(exact.c[*hue]) || (color.red == color.green && color.green == color.blue)))
        exact.c[*hue] = 0;
    std::array<double, 3> components{};
    for (int decimals = 0; decimals <= 8; ++decimals) {
        CssColor candidate = exact;
        candidate.c = components = rounded(exact, decimals);
        const CssColor srgb = ColorSpaces::convert(candidate, ColorSpace::Srgb);
        bool same = true;
        for (int i = 0; i < 3; ++i)
            same = same && std::abs(srgb.c[i] * 255 - color.component(i)) < 0.5;
        if (same)
            break;
    }
    QStringList numbers;
    for (const double component : components)
        numbers.append(QString::number(component == 0 ? 0 : component, 'g', 12)); // no -0
    return QStringLiteral("\"colorSpace\": \"%1\",\n      \"components\": [%2]")
        .arg(QLatin1String(space.name), numbers.join(QStringLiteral(", ")));
}

QString tokens(const UserPalette &palette, CssFormat format)
{
    const QStringList names = uniqueNames(palette, tokenName, u' ');
    QStringList tokens;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const Rgb color = palette.entries.at(i).color;
        tokens.append(
            QStringLiteral("  %1: {\n    \"$type\": \"color\",\n    \"$value\": {\n      %2,\n"
                           "      \"alpha\": 1,\n      \"hex\": \"%3\"\n    }\n  }")
                .arg(jsonString(names.at(i)), tokenColor(color, format), CssFormats::write(color, CssFormat::Hex)));
    }
    return QStringLiteral("{\n") + tokens.join(QStringLiteral(",\n")) + (tokens.isEmpty() ? "" : "\n")
        + QStringLiteral("}\n");
}

} // namespace

const char *nameOf(PaletteForm form)
{
    return formNames[int(form)].name;
}

std::optional<PaletteForm> named(QStringView name)
{
    for (const FormName &formName : formNames) {
        if (name == QLatin1String(formName.name))
            return formName.form;
    }
    return std::nullopt;
}

QString write(
    const UserPalette &palette, PaletteForm form, CssFormat format, const QString &templateText, const HexStyle &hex)
{
    const ValueStyle style{format, templateText, hex};
    switch (form) {
    case PaletteForm::Css: return declarations(palette, style, QStringLiteral(":root"), false);
    case PaletteForm::Tailwind: return declarations(palette, style, QStringLiteral("@theme"), true);
    case PaletteForm::Tokens: return tokens(palette, format);
    case PaletteForm::Gpl: return QString::fromUtf8(GplFormat::write(palette));
    case PaletteForm::Lines: break;
    }
    QString lines;
    for (const PaletteEntry &entry : palette.entries)
        lines += style.of(entry) + u'\n';
    return lines;
}

} // namespace PaletteExport
