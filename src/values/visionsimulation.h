// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <array>

// How readers with a colour-vision deficiency see a colour: the model of Machado, Oliveira
// and Fernandes (2009) at full severity, applied in linear-light sRGB; achromatopsia as the
// colour's relative luminance in grey.
enum class VisionDeficiency { None, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

inline constexpr std::array<VisionDeficiency, 5> allVisionDeficiencies
    = {VisionDeficiency::None, VisionDeficiency::Protanopia, VisionDeficiency::Deuteranopia,
        VisionDeficiency::Tritanopia, VisionDeficiency::Achromatopsia};

/// The colour as seen with the deficiency, in bytes rounded to the nearest.
Rgb simulateVision(Rgb color, VisionDeficiency deficiency);
