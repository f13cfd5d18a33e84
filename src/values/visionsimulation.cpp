// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "values/visionsimulation.h"

#include "values/linearlight.h"

#include <algorithm>
#include <cmath>

namespace {

// Machado, Oliveira and Fernandes (2009), severity 1.0, for linear RGB.
// clang-format off
constexpr std::array protanopia{std::array{0.152286, 1.052583, -0.204868},
                                std::array{0.114503, 0.786281, 0.099216},
                                std::array{-0.003882, -0.048116, 1.051998}};
constexpr std::array deuteranopia{std::array{0.367322, 0.860646, -0.227968},
                                  std::array{0.280085, 0.672501, 0.047413},
                                  std::array{-0.011820, 0.042940, 0.968881}};
constexpr std::array tritanopia{std::array{1.255528, -0.076749, -0.178779},
                                std::array{-0.078411, 0.930809, 0.147602},
                                std::array{0.004733, 0.691367, 0.303900}};
using Matrix = decltype(protanopia);
// clang-format on

} // namespace

Rgb simulateVision(Rgb color, VisionDeficiency deficiency)
{
    const std::array<double, 3> rgb = LinearLight::ofBytes(color);
    if (deficiency == VisionDeficiency::Achromatopsia) {
        const quint8 grey = LinearLight::toByte(LinearLight::luminance(rgb));
        return {grey, grey, grey};
    }
    if (deficiency == VisionDeficiency::None)
        return color;
    const Matrix &m = deficiency == VisionDeficiency::Protanopia ? protanopia
        : deficiency == VisionDeficiency::Deuteranopia           ? deuteranopia
                                                                 : tritanopia;
    const auto row = [&](const std::array<double, 3> &weights) {
        return LinearLight::toByte(weights[0] * rgb[0] + weights[1] * rgb[1] + weights[2] * rgb[2]);
    };
    return {row(m[0]), row(m[1]), row(m[2])};
}
