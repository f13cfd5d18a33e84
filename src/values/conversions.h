// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The small pure conversions between one colour component and the texts of its notations.

/// Two hex digits to a component: only the first and the last character count.
qint16 hexToByte(const QString &text);

/// A component as upper-case hex, padded to two digits below 16.
QString byteToHex(qint16 value);

/// The part as a percentage of the whole, computed as 100 / (whole / part) and kept in single precision.
float percentOf(float part, qint16 whole);

/// A fraction 0..1 (as a desktop portal gives colours) as a component: rounded to the
/// nearest, clamped to 0..255; anything that is not a number gives 0.
quint8 componentOfFraction(double fraction);
