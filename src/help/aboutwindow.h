// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// The About window: a picture and one paragraph, fixed in size, in the colours of the
// user's scheme. Escape closes it.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit AboutWindow(const QPixmap &picture, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
