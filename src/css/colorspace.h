// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <array>
#include <optional>

// The colour spaces of CSS Color 4 and the conversions between them, in double precision.
enum class ColorSpace {
    Srgb,
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProphotoRgb,
    Rec2020,
    XyzD50,
    XyzD65,
    Lab,
    Lch,
    Oklab,
    Oklch,
    Hsl,
    Hwb,
};

// A colour as CSS computes it: three components in a space (hsl and hwb in 0..100 for their
// percentages, hues in degrees), an alpha, and which of the four are missing ("none").
struct CssColor
{
    ColorSpace space = ColorSpace::Srgb;
    std::array<double, 3> c{};
    double alpha = 1;
    std::array<bool, 3> missing{};
    bool alphaMissing = false;
};

namespace ColorSpaces {

/// Beyond a million, a component lies far outside every gamut: the reader and the byte
/// conversion hold components within it, so that every conversion on the way stays finite.
inline constexpr double largestComponent = 1e6;

/// The index of the hue among the components, or nothing for a space without one.
std::optional<int> hueIndex(ColorSpace space);

/// The colour in another space. Missing components count as 0 on the way, and a component
/// missing before stays missing where the target has one like it (the same kind of red,
/// lightness, hue, ...); a hue that has no meaning any more (no chroma) becomes missing.
CssColor convert(const CssColor &color, ColorSpace target);

/// The colour's sRGB bytes: brought into sRGB by reducing its OKLCh chroma until it fits
/// (the CSS gamut mapping), each channel times 255 rounded half up. Alpha is dropped.
Rgb toBytes(const CssColor &color);

/// The bytes as an sRGB colour.
CssColor fromBytes(Rgb color);

} // namespace ColorSpaces
