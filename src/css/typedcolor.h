// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "css/csscolorreader.h"

// What a text typed into a notation field or the name field says as CSS. A text that begins
// as a CSS color does ("#", or a function's name and "(") is read as CSS and refused when it
// cannot be; a word that is a CSS color name is that color; any other text is no CSS, and the
// field reads it its own way.
struct TypedColor
{
    enum class Kind { NotCss, Color, Refused };
    Kind kind = Kind::NotCss;
    CssReading reading; // the color, or why it was refused

    static TypedColor of(const QString &typed);
};
