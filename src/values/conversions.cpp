// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "values/conversions.h"

#include "text/asciicase.h"

#include <cmath>

namespace {

// Value of one hexadecimal digit text (either case); anything else, including "07", is 0.
qint16 hexDigitValue(const QString &text)
{
    const QString digit = AsciiCase::lowered(text);
    if (digit.size() != 1)
        return 0;
    const QChar c = digit.front();
    if (c >= u'0' && c <= u'9')
        return qint16(c.unicode() - u'0');
    if (c >= u'a' && c <= u'f')
        return qint16(10 + c.unicode() - u'a');
    return 0;
}

} // namespace

qint16 hexToByte(const QString &text)
{
    const QString first = text.left(1);
    const QString last = text.right(1);
    return qint16(16 * hexDigitValue(first) + hexDigitValue(last));
}

QString byteToHex(qint16 value)
{
    const QString digits = QString::number(value, 16).toUpper();
    return value < 16 ? u'0' + digits : digits;
}

float percentOf(float part, qint16 whole)
{
    if (part == 0.0f)
        return 0.0f;
    const double quotient = double(whole) / double(part);
    return float(100.0 / quotient);
}

quint8 componentOfFraction(double fraction)
{
    if (std::isnan(fraction))
        return 0;
    return quint8(std::lround(qBound(0.0, fraction, 1.0) * 255));
}
