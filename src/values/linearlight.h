// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <array>
#include <span>

// The sRGB transfer curve and the relative luminance: the one place contrast, the simulated
// vision and the CSS colour spaces take them from.
namespace LinearLight {

/// A gamma-encoded sRGB value (0..1 in gamut) in linear light; negative values by reflection.
double fromSrgb(double encoded);

/// A linear-light value gamma-encoded as sRGB; negative values by reflection.
double toSrgb(double linear);

/// The three bytes in linear light, 0..1.
std::array<double, 3> ofBytes(Rgb color);

/// A linear-light value clamped into 0..1, encoded and rounded to the nearest byte.
quint8 toByte(double linear);

/// The colours averaged in linear light, then encoded: half red and half black give the red
/// a blurred picture shows (188, 0, 0), not the mud of averaged bytes (128, 0, 0).
Rgb average(std::span<const Rgb> colors);

/// The relative luminance of linear-light sRGB: 0 for black, 1 for white.
double luminance(const std::array<double, 3> &linear);

} // namespace LinearLight
