// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QImage>
#include <QList>
#include <QWidget>

// Picks a colour from an X11 screen: every screen is read once, then shown frozen over
// everything with a crosshair, a magnified view of the pixels under the pointer and their
// hexadecimal value. A left click, Return or Space takes the pixel; the arrow keys move the
// pointer by one device pixel (by ten with Shift); Escape or a right click cancels. The
// colours come from the readings taken before the overlay showed, at device pixels, so the
// overlay never sees itself and a scaled screen gives its true pixels. The pointer's device
// pixel comes from the X server, as Qt's logical points cannot name each one on a scaled screen.
class ScreenGrabPicker : public QWidget
{
    Q_OBJECT

public:
    struct ScreenReading
    {
        QRect geometry; // logical, on the desktop
        QImage pixels; // at device pixels
        qreal scale() const { return qreal(pixels.width()) / qMax(1, geometry.width()); }
        /// Qt keeps a screen's top-left corner where its device pixels start.
        QRect devicePixels() const { return QRect(geometry.topLeft(), pixels.size()); }
    };

    /// Reads every screen and shows the overlay; nothing when this system has no screen to read.
    static ScreenGrabPicker *start();
    /// Shows the overlay over screens already read, the pointer where it is now.
    static ScreenGrabPicker *showOver(const QList<ScreenReading> &screens);

signals:
    void picked(Rgb color);
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit ScreenGrabPicker(const QList<ScreenReading> &screens);
    void followPointer(QPointF reported);
    void pointAtDevicePixel(QPoint device);
    void moveByDevicePixels(QPoint step);
    QPointF originOnOverlay(const ScreenReading &reading) const;
    QPointF pointerOnOverlay() const;
    QColor colorUnderPointer() const;
    void finish(bool take);

    QList<ScreenReading> screens;
    int screen = 0; // the one the pointer is on
    QPoint pointer; // a device pixel of that screen
};
