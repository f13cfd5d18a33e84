#include "conversions.h"

qint16 HexDigitValue(const QString &text)
{
    const QString digit = text.toLower();
    if (digit.size() != 1)
        return 0;
    const QChar c = digit.front();
    if (c >= u'0' && c <= u'9')
        return qint16(c.unicode() - u'0');
    if (c >= u'a' && c <= u'f')
        return qint16(10 + c.unicode() - u'a');
    return 0;
}

qint16 HexToByte(const QString &text)
{
    const QString first = text.left(1);
    const QString last = text.right(1);
    return qint16(16 * HexDigitValue(first) + HexDigitValue(last));
}

QString ByteToHex(qint16 value)
{
    const QString digits = QString::number(value, 16).toUpper();
    return value < 16 ? u'0' + digits : digits;
}

QString NumberText(qint16 value)
{
    return QString::number(value);
}

float PercentOf(float part, qint16 whole)
{
    if (part == 0.0f)
        return 0.0f;
    const double quotient = double(whole) / double(part);
    return float(100.0 / quotient);
}

qint16 CheckValueOf(bool value)
{
    return value ? 1 : 0;
}
