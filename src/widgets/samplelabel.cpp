// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "widgets/samplelabel.h"

#include "widgets/focusframe.h"

SampleLabel::SampleLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    // Reached by Tab, but a press on it starts a drag rather than taking the focus.
    setFocusPolicy(Qt::TabFocus);
}

void SampleLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    drawFocusFrame(this);
}
