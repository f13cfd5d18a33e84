// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "values/linearlight.h"

#include <algorithm>
#include <cmath>

namespace LinearLight {

double fromSrgb(double encoded)
{
    const double magnitude = std::abs(encoded);
    return magnitude <= 0.04045 ? encoded / 12.92 : std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), encoded);
}

double toSrgb(double linear)
{
    const double magnitude = std::abs(linear);
    return magnitude > 0.0031308 ? std::copysign(1.055 * std::pow(magnitude, 1 / 2.4) - 0.055, linear) : 12.92 * linear;
}

std::array<double, 3> ofBytes(Rgb color)
{
    return {fromSrgb(color.red / 255.0), fromSrgb(color.green / 255.0), fromSrgb(color.blue / 255.0)};
}

quint8 toByte(double linear)
{
    return quint8(std::lround(toSrgb(std::clamp(linear, 0.0, 1.0)) * 255));
}

Rgb average(std::span<const Rgb> colors)
{
    std::array<double, 3> sum{};
    for (const Rgb color : colors) {
        const std::array<double, 3> linear = ofBytes(color);
        for (int i = 0; i < 3; ++i)
            sum[i] += linear[i];
    }
    const double count = double(std::max<size_t>(colors.size(), 1));
    return {toByte(sum[0] / count), toByte(sum[1] / count), toByte(sum[2] / count)};
}

double luminance(const std::array<double, 3> &linear)
{
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
}

} // namespace LinearLight
