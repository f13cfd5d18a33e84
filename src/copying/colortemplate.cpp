// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "copying/colortemplate.h"

#include "css/cssformats.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <optional>

namespace ColorTemplate {
namespace {

struct FormatParts
{
    CssFormat format;
    const char *parts; // one letter a number of its text, in order
};
// clang-format off
constexpr FormatParts formatParts[] = {
    {CssFormat::Rgb, "rgb"}, {CssFormat::Hsl, "hsl"}, {CssFormat::Hwb, "hwb"}, {CssFormat::Lab, "lab"},
    {CssFormat::Lch, "lch"}, {CssFormat::Oklab, "lab"}, {CssFormat::Oklch, "lch"}, {CssFormat::DisplayP3, "rgb"},
};
// clang-format on
constexpr const char *componentNames[] = {"r", "g", "b"};

// The byte as a share of `whole` (1 for a fraction, 100 for a percentage) with the fewest
// decimals that read back as the same byte, away from a rounding half.
QString scaled(quint8 byte, double whole)
{
    char buffer[32];
    for (int decimals = 0;; ++decimals) {
        const double factor = std::pow(10.0, decimals);
        const double value = std::round(byte / 255.0 * whole * factor) / factor;
        if (std::abs(value / whole * 255 - byte) < 0.5 - 1e-6 || decimals == 6) {
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
            return QString::fromLatin1(buffer, end.ptr - buffer);
        }
    }
}

std::optional<QString> componentValue(const QString &name, const QString &suffix, Rgb color, const HexStyle &hex)
{
    for (int i = 0; i < 3; ++i) {
        if (name != QLatin1String(componentNames[i]))
            continue;
        const quint8 byte = color.component(i);
        if (suffix.isEmpty())
            return QString::number(byte);
        if (suffix == u"f")
            return scaled(byte, 1);
        if (suffix == u"p")
            return scaled(byte, 100);
        if (suffix == u"x")
            return HexStyle{hex.upperCase, false, false}.write({byte, byte, byte}).left(2);
    }
    return std::nullopt;
}

// The numbers of a format's text: "hsl(30 100% 50%)" gives 30, 100 and 50.
QStringList numbersOf(const QString &text)
{
    const qsizetype open = text.indexOf(u'(');
    QStringList words = text.mid(open + 1, text.size() - open - 2).split(u' ', Qt::SkipEmptyParts);
    words = words.mid(words.size() - 3);
    for (QString &word : words)
        word.remove(u'%');
    return words;
}

std::optional<QString> formatValue(const QString &name, const QString &part, Rgb color, const HexStyle &hex)
{
    const std::optional<CssFormat> format = CssFormats::named(name);
    if (!format || (*format == CssFormat::Name && part.isEmpty()))
        return std::nullopt;
    if (part.isEmpty())
        return *format == CssFormat::Hex ? hex.write(color) : CssFormats::write(color, *format);
    for (const FormatParts &each : formatParts) {
        const qsizetype at = QLatin1String(each.parts).indexOf(part);
        if (each.format == *format && part.size() == 1 && at >= 0)
            return numbersOf(CssFormats::write(color, *format)).value(at);
    }
    return std::nullopt;
}

std::optional<QString> valueOf(const QString &placeholder, Rgb color, const QString &name, const HexStyle &hex)
{
    const QString head = placeholder.section(u'.', 0, 0), tail = placeholder.section(u'.', 1);
    if (placeholder.endsWith(u'.'))
        return std::nullopt; // "{r.}" is no "{r}"
    if (placeholder == u"name") {
        const QString cssName = CssFormats::write(color, CssFormat::Name);
        return name.isEmpty() ? cssName : name;
    }
    if (std::optional<QString> component = componentValue(head, tail, color, hex))
        return component;
    return formatValue(head, tail, color, hex);
}

} // namespace

Result expand(const QString &templateText, Rgb color, const QString &name, const HexStyle &hex)
{
    static const QRegularExpression placeholder(QStringLiteral("\\{([A-Za-z][A-Za-z0-9_-]*(?:\\.[A-Za-z0-9_]*)*)\\}"));
    Result result;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = placeholder.globalMatch(templateText); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const std::optional<QString> value = valueOf(match.captured(1), color, name, hex);
        if (!value)
            return {{}, QCoreApplication::translate("ColorTemplate", "unknown placeholder %1").arg(match.captured())};
        result.text += templateText.mid(done, match.capturedStart() - done) + *value;
        done = match.capturedEnd();
    }
    result.text += templateText.mid(done);
    return result;
}

QStringList placeholders()
{
    QStringList all;
    for (const char *component : componentNames) {
        for (const char *suffix : {"", ".f", ".p", ".x"})
            all += QStringLiteral("{%1%2}").arg(QLatin1String(component), QLatin1String(suffix));
    }
    for (CssFormat format : CssFormats::all)
        all += QStringLiteral("{%1}").arg(QLatin1String(CssFormats::nameOf(format)));
    for (const FormatParts &each : formatParts) {
        for (const char *part = each.parts; *part; ++part)
            all += QStringLiteral("{%1.%2}")
                       .arg(QLatin1String(CssFormats::nameOf(each.format)))
                       .arg(QLatin1Char(*part));
    }
    return all;
}

} // namespace ColorTemplate
