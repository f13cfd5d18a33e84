// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "widgets/focusframe.h"

#include <QPainter>
#include <QWidget>

void drawFocusFrame(QWidget *widget)
{
    if (!widget->hasFocus())
        return;
    QPainter painter(widget);
    const QRect edge = widget->rect().adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(edge);
    painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
    painter.drawRect(edge);
}
