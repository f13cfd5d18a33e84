// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The main window as designed: every control with its kind, container, place and caption,
// in twips (15 to a pixel at 96 dpi), and the keyboard order.
namespace ControlTable {

/// Creates every control as a child of `clientArea`, named as designed, in the colours of the
/// colour scheme, which they follow when it changes.
void build(QWidget *clientArea);

/// Chains the focusable controls in keyboard order.
void applyTabOrder(QWidget *clientArea);

} // namespace ControlTable
