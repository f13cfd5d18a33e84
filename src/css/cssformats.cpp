// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "css/cssformats.h"

#include "css/colorspace.h"
#include "css/csscolorreader.h"
#include "css/namedcolors.h"

#include <charconv>
#include <cmath>
#include <string>

namespace CssFormats {
namespace {

struct Layout
{
    CssFormat format;
    const char *name;
    ColorSpace space;
    const char *opening; // up to the first number
    std::array<const char *, 3> units; // after each number
};

// clang-format off
const Layout layouts[] = {
    {CssFormat::Hex,       "hex",        ColorSpace::Srgb,      "",                   {"", "", ""}},
    {CssFormat::Rgb,       "rgb",        ColorSpace::Srgb,      "rgb(",               {"", "", ""}},
    {CssFormat::Hsl,       "hsl",        ColorSpace::Hsl,       "hsl(",               {"", "%", "%"}},
    {CssFormat::Hwb,       "hwb",        ColorSpace::Hwb,       "hwb(",               {"", "%", "%"}},
    {CssFormat::Lab,       "lab",        ColorSpace::Lab,       "lab(",               {"", "", ""}},
    {CssFormat::Lch,       "lch",        ColorSpace::Lch,       "lch(",               {"", "", ""}},
    {CssFormat::Oklab,     "oklab",      ColorSpace::Oklab,     "oklab(",             {"", "", ""}},
    {CssFormat::Oklch,     "oklch",      ColorSpace::Oklch,     "oklch(",             {"", "", ""}},
    {CssFormat::DisplayP3, "display-p3", ColorSpace::DisplayP3, "color(display-p3 ", {"", "", ""}},
    {CssFormat::Name,      "name",       ColorSpace::Srgb,      "",                   {"", "", ""}},
};
// clang-format on

const Layout &layoutOf(CssFormat format)
{
    return layouts[int(format)];
}

// A number with at most `decimals` decimals: no trailing zeros, no -0.
void appendNumber(std::string &text, double value, int decimals)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    std::string_view number(buffer, size_t(end - buffer));
    if (number.find('.') != std::string_view::npos) {
        while (number.back() == '0')
            number.remove_suffix(1);
        if (number.back() == '.')
            number.remove_suffix(1);
    }
    if (number == "-0")
        number = "0";
    text += number;
}

// The text with each number cut to `decimals`: rounded to the nearest, or, as `directions`
// says bit by bit, down or up.
std::string compose(const Layout &layout, const std::array<double, 3> &values, int decimals, int directions)
{
    std::string text = layout.opening;
    const double scale = std::pow(10.0, decimals);
    const std::optional<int> hue = ColorSpaces::hueIndex(layout.space);
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            text += ' ';
        const double scaled = values[i] * scale;
        double v = (directions < 0                 ? std::round(scaled)
                           : (directions >> i) & 1 ? std::ceil(scaled)
                                                   : std::floor(scaled))
            / scale;
        if (i == hue) // written in [0, 360)
            v = std::fmod(v, 360);
        appendNumber(text, v, decimals);
        text += layout.units[i];
    }
    return text + ')';
}

// Whether the text stands for the colour itself, not a neighbour that rounds to it: its value
// in sRGB, before any gamut mapping, lies within half a byte of each channel and clear of the
// half, where readers that compute a little differently would part; and it reads back here.
bool means(const std::string &text, Rgb color)
{
    const CssReading back = readCssColor(std::string_view(text));
    if (!back.ok || back.bytes != color)
        return false;
    const std::array<double, 3> srgb = ColorSpaces::convert(back.color, ColorSpace::Srgb).c;
    for (int i = 0; i < 3; ++i) {
        if (!(std::abs(srgb[i] * 255 - color.component(i)) <= 0.5 - 1e-6))
            return false;
    }
    return true;
}

} // namespace

const char *nameOf(CssFormat format)
{
    return layoutOf(format).name;
}

std::optional<CssFormat> named(QStringView name)
{
    for (const Layout &layout : layouts) {
        if (name == QLatin1String(layout.name))
            return layout.format;
    }
    return std::nullopt;
}

void writeHex(Rgb color, char *out)
{
    static const char digits[] = "0123456789abcdef";
    *out++ = '#';
    for (const quint8 byte : {color.red, color.green, color.blue}) {
        *out++ = digits[byte >> 4];
        *out++ = digits[byte & 15];
    }
}

QString write(Rgb color, CssFormat format)
{
    const Layout &layout = layoutOf(format);
    switch (format) {
    case CssFormat::Hex: {
        char hex[7];
        writeHex(color, hex);
        return QString::fromLatin1(hex, 7);
    }
    case CssFormat::Rgb: return QStringLiteral("rgb(%1 %2 %3)").arg(color.red).arg(color.green).arg(color.blue);
    case CssFormat::Name: {
        const std::string_view name = NamedColors::firstNameOf(color);
        return QString::fromLatin1(name.data(), qsizetype(name.size()));
    }
    default: break;
    }
    std::array<double, 3> values = ColorSpaces::convert(ColorSpaces::fromBytes(color), layout.space).c;
    const bool grey = color.red == color.green && color.green == color.blue;
    if (const std::optional<int> hue = ColorSpaces::hueIndex(layout.space); hue && (grey || std::isnan(values[*hue])))
        values[*hue] = 0;
    // The nearest numbers first; where they miss, any mix of rounding down and up may hit.
    std::string text;
    for (int decimals = 0; decimals <= 15; ++decimals) {
        for (int directions = -1; directions < 8; ++directions) {
            text = compose(layout, values, decimals, directions);
            if (means(text, color))
                return QString::fromLatin1(text.data(), qsizetype(text.size()));
        }
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace CssFormats
