// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QString>

// Contrast as WCAG 2.2 measures it.

/// Relative luminance of an sRGB colour: 0 for black, 1 for white.
double relativeLuminance(Rgb color);

/// Contrast ratio of two colours, from 1 to 21, the lighter one over the darker.
double contrastRatio(Rgb a, Rgb b);

/// A ratio with two decimals in the locale's notation, truncated so that a failure is never
/// shown as a pass: "4.49:1", in German "4,49:1".
QString ratioText(double ratio);

/// What a ratio reaches: "AAA" (7 and above), "AA" (4.5), "AA large text only" (3) or "fails".
QString contrastLevel(double ratio);
