// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QString>
#include <array>
#include <optional>

// The texts a stylesheet takes for a colour, each the shortest that means the same three
// bytes to any reader.
enum class CssFormat { Hex, Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch, DisplayP3, Name };

namespace CssFormats {

inline constexpr std::array<CssFormat, 10> all = {CssFormat::Hex, CssFormat::Rgb, CssFormat::Hsl, CssFormat::Hwb,
    CssFormat::Lab, CssFormat::Lch, CssFormat::Oklab, CssFormat::Oklch, CssFormat::DisplayP3, CssFormat::Name};

/// The format's name on the command line: hex, rgb, ..., display-p3, name.
const char *nameOf(CssFormat format);
std::optional<CssFormat> named(QStringView name);

/// The colour in the format: "#ff8000", "rgb(255 128 0)", "hsl(30 100% 50%)", ...; the
/// fewest decimals, one count for all numbers of the text, whose value in sRGB, with no gamut
/// mapping, has each channel within half a byte of the colour's and at least a millionth of
/// a byte clear of the half; no trailing zeros, no -0; hues in degrees in [0, 360), 0 for
/// greys. The name format gives the colour's first CSS name, or an empty text.
QString write(Rgb color, CssFormat format);

/// "#rrggbb" in lower case, written straight into `out` (7 characters).
void writeHex(Rgb color, char *out);

} // namespace CssFormats
