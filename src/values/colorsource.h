// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Where updateColor takes a new colour from; also decides how range messages are worded.
enum class ColorSource : qint16 {
    Byte,
    Percent,
    Hex,
    Sliders,
    Name,
    Outside, // a colour given whole from outside the views: the colour dialog, a pick from the
             // screen, a paste, a drop on the swatch, --color
};
