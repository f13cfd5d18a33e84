// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "css/colorspace.h"

#include <QString>
#include <string_view>

// What reading a CSS colour gave: the colour as CSS computes it and its sRGB bytes, or the
// reason it is no colour, naming the part that is wrong.
struct CssReading
{
    bool ok = false;
    CssColor color;
    Rgb bytes;
    QString reason;
};

/// Reads any colour of CSS Color 4 and 5: names, hexadecimal colours, rgb(), hsl(), hwb(),
/// lab(), lch(), oklab(), oklch(), color(), color-mix() and relative colours, with calc().
/// Colours that depend on a page (currentcolor, system colours, light-dark()) are refused.
CssReading readCssColor(std::string_view text);
CssReading readCssColor(const QString &text);
