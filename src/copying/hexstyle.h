// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QString>

// How the user's code writes a hexadecimal colour: its case, whether "#" leads, and whether
// the three-digit form is used where it says exactly the same colour.
struct HexStyle
{
    bool upperCase = false;
    bool hash = true;
    bool shortForm = false;

    /// The colour so written: "#ff8000", "FF8000", "#f80" for (255, 136, 0) with the short form.
    QString write(Rgb color) const;

    friend bool operator==(const HexStyle &, const HexStyle &) = default;
};
