// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QWindow>
#include <optional>

// The pointer of an X11 display in device pixels, as the X server itself has it. Qt reports
// the pointer in logical points, in its events and in QCursor alike; at a scale factor of 1.5
// or 2 those cannot name every device pixel, and the nearest one they name is a neighbour.
namespace X11Pointer {

/// Where the pointer is on the root window of the screen that `window` is on; nothing where the
/// program does not run on X11.
std::optional<QPoint> position(WId window);

/// Puts the pointer on a device pixel of that root window; false where the program does not run
/// on X11.
bool moveTo(WId window, QPoint device);

} // namespace X11Pointer
