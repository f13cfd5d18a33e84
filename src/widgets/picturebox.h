// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A plain coloured area (the swatch, the sample page) that can be reached by Tab, and then
// shows a focus frame so the user sees where the focus is.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A sample part or the swatch shows its colour as a picture box's background or a label's text.

/// The colour a control shows.
QColor shownColor(const QWidget *control);

/// Makes a control show a colour.
void setShownColor(QWidget *control, const QColor &color);
