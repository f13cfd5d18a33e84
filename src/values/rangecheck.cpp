#include "rangecheck.h"

namespace {

struct BoundTexts
{
    const char *lower;
    const char *upper;
};

BoundTexts boundTexts(ColorSource notation)
{
    switch (notation) {
    case SourceByte: return {"0", "255"};
    case SourcePercent: return {"0", "100"};
    case SourceHex: return {"00", "FF"};
    default: return {"", ""};
    }
}

} // namespace

RangeCheck checkRange(qint16 value, ColorSource notation)
{
    if (value < 0)
        return {0, QStringLiteral("Value has to be equal or above ") + QLatin1String(boundTexts(notation).lower)};
    if (value > 255)
        return {255, QStringLiteral("Value has to be equal or below ") + QLatin1String(boundTexts(notation).upper)};
    return {value, {}};
}
