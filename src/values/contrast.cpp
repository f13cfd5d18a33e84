// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "values/contrast.h"

#include "values/linearlight.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

double relativeLuminance(Rgb color)
{
    return LinearLight::luminance(LinearLight::ofBytes(color));
}

double contrastRatio(Rgb a, Rgb b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QString ratioText(double ratio)
{
    // Cut to two decimals, never rounded up, with the locale's decimal separator as the
    // percentages beside it have.
    return QLocale().toString(std::floor(ratio * 100) / 100, 'f', 2) + QStringLiteral(":1");
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
