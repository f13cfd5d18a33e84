// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "values/rangecheck.h"

#include <QCoreApplication>

namespace {

struct BoundTexts
{
    const char *lower;
    const char *upper;
};

BoundTexts boundTexts(ColorSource notation)
{
    switch (notation) {
    case ColorSource::Byte: return {"0", "255"};
    case ColorSource::Percent: return {"0", "100"};
    case ColorSource::Hex: return {"00", "FF"};
    default: return {"", ""};
    }
}

} // namespace

RangeCheck checkRange(qint16 value, ColorSource notation)
{
    if (value < 0)
        return {0,
            QCoreApplication::translate("RangeCheck", "Value has to be equal or above %1")
                .arg(QLatin1String(boundTexts(notation).lower))};
    if (value > 255)
        return {255,
            QCoreApplication::translate("RangeCheck", "Value has to be equal or below %1")
                .arg(QLatin1String(boundTexts(notation).upper))};
    return {value, {}};
}
