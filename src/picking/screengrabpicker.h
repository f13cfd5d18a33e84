// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QImage>
#include <QList>
#include <QWidget>

class QPainter;

// Picks a colour from an X11 screen: every screen is read once, then shown frozen over
// everything with a crosshair, a magnified view of the pixels under the pointer and their
// hexadecimal value. A left click, Return or Space takes the sample; with Shift it keeps the
// sample and the overlay stays open. The arrow keys move the pointer by one device pixel (by
// ten with Shift); + and - switch the sample between the pointer's pixel and the 3x3, 5x5 or
// 9x9 device pixels around it, averaged in linear light, and the size is remembered; Escape or
// a right click ends. The colours come from the readings taken before the overlay showed, at
// device pixels, so the overlay never sees itself and a scaled screen gives its true pixels.
// The pointer's device pixel comes from the X server, as Qt's logical points cannot name each
// one on a scaled screen.
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

    /// The sample's side in device pixels: 1, 3, 5 or 9.
    int sampleSize() const { return sampleSizes[sizeIndex]; }

signals:
    void picked(Rgb color);
    /// A sample kept with Shift; the overlay stays open.
    void kept(Rgb color);
    /// Ended without taking a sample (after any kept ones).
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
    Rgb sampledColor() const;
    void resizeSample(int step);
    void paintLens(QPainter &painter, QPoint at);
    void take(bool keepPicking);
    void finish(bool take);

    static constexpr int sampleSizes[] = {1, 3, 5, 9};

    QList<ScreenReading> screens;
    int screen = 0; // the one the pointer is on
    QPoint pointer; // a device pixel of that screen
    int sizeIndex = 0;
    int keptCount = 0;
};
