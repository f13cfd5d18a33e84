// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "widgets/slider.h"

#include "widgets/focusframe.h"

Slider::Slider(QWidget *parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setRange(0, 255);
    setSingleStep(1); // arrows
    setPageStep(10); // track
    setTracking(false); // a thumb drag counts once it is released
    setFocusPolicy(Qt::StrongFocus); // a click takes the focus before it moves the value
}

void Slider::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    drawFocusFrame(this);
}
