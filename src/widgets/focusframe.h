// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

/// Draws a dotted black-and-white frame along the widget's edge when it has the focus. It
/// shows on any colour and never tints what the widget shows inside it.
void drawFocusFrame(QWidget *widget);
