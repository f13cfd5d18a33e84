// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/colorsource.h"

#include <QString>

// The outcome of checking one typed component against 0..255.
struct RangeCheck
{
    qint16 value = 0;
    QString message; // empty when the value was in range
};

/// Corrects a component into 0..255; the message names the broken bound in the notation
/// of the field the user edited ("255" for bytes, "100" for percentages).
RangeCheck checkRange(qint16 value, ColorSource notation);
