// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollBar>

// A vertical component slider, 0 to 255, that frames itself when it has the focus.
class Slider : public QScrollBar
{
    Q_OBJECT

public:
    explicit Slider(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
