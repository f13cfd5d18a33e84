// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "values/contrast.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

double linear(quint8 component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(Rgb color)
{
    return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}

double contrastRatio(Rgb a, Rgb b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QString ratioText(double ratio)
{
    return QString::number(std::floor(ratio * 100) / 100, 'f', 2) + QStringLiteral(":1");
}

QString contrastLevel(double ratio)
{
    if (ratio >= 7)
        return QCoreApplication::translate("Contrast", "AAA");
    if (ratio >= 4.5)
        return QCoreApplication::translate("Contrast", "AA");
    if (ratio >= 3)
        return QCoreApplication::translate("Contrast", "AA large text only");
    return QCoreApplication::translate("Contrast", "fails");
}
