#pragma once

#include <QString>

// The small pure conversions between one colour component and the texts of its notations.

/// Value of one hexadecimal digit text (either case); anything else, including "07", is 0.
qint16 HexDigitValue(const QString &text);

/// Two hex digits to a component: only the first and the last character count.
qint16 HexToByte(const QString &text);

/// A component as upper-case hex, padded to two digits below 16.
QString ByteToHex(qint16 value);

/// Plain decimal text of a whole number, minus sign only when negative.
QString NumberText(qint16 value);

/// The part as a percentage of the whole, computed as 100 / (whole / part) and kept in single precision.
float PercentOf(float part, qint16 whole);

/// Check-box value of a Boolean: 1 or 0.
qint16 CheckValueOf(bool value);
