// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/screengrabpicker.h"

#include "picking/x11pointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QtMath>

namespace {

constexpr int magnifiedPixels = 11; // an odd number: the pixel under the pointer sits in the middle
constexpr int magnification = 10;

QPoint keptOn(const ScreenGrabPicker::ScreenReading &reading, QPoint pixel)
{
    return {qBound(0, pixel.x(), reading.pixels.width() - 1), qBound(0, pixel.y(), reading.pixels.height() - 1)};
}

} // namespace

ScreenGrabPicker *ScreenGrabPicker::start()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    QList<ScreenReading> readings;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QImage pixels = screen->grabWindow(0).toImage();
        if (!pixels.isNull())
            readings.append({screen->geometry(), pixels});
    }
    return readings.isEmpty() ? nullptr : showOver(readings);
}

ScreenGrabPicker *ScreenGrabPicker::showOver(const QList<ScreenReading> &screens)
{
    QRect desktop;
    for (const ScreenReading &reading : screens)
        desktop |= reading.geometry;
    auto *overlay = new ScreenGrabPicker(screens);
    overlay->setGeometry(desktop);
    overlay->show();
    overlay->followPointer(QCursor::pos());
    overlay->activateWindow();
    overlay->grabKeyboard();
    overlay->grabMouse(Qt::CrossCursor);
    return overlay;
}

ScreenGrabPicker::ScreenGrabPicker(const QList<ScreenReading> &screens)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
    , screens(screens)
{
    setObjectName(QStringLiteral("screenPicker"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

// Where the pointer is: at the device pixel the X server names, or, without one, at the logical
// point that Qt reported.
void ScreenGrabPicker::followPointer(QPointF reported)
{
    if (const std::optional<QPoint> device = X11Pointer::position(winId()))
        return pointAtDevicePixel(*device);
    for (int i = 0; i < screens.size(); ++i) {
        if (QRectF(screens[i].geometry).contains(reported))
            screen = i;
    }
    const ScreenReading &on = screens[screen];
    pointer = keptOn(on, ((reported - on.geometry.topLeft()) * on.scale()).toPoint());
    update();
}

void ScreenGrabPicker::pointAtDevicePixel(QPoint device)
{
    for (int i = 0; i < screens.size(); ++i) {
        if (screens[i].devicePixels().contains(device))
            screen = i;
    }
    const ScreenReading &on = screens[screen];
    pointer = keptOn(on, device - on.devicePixels().topLeft());
    update();
}

void ScreenGrabPicker::moveByDevicePixels(QPoint step)
{
    const ScreenReading &on = screens[screen];
    pointer = keptOn(on, pointer + step);
    // The system pointer follows, to the device pixel itself where the X server moves it.
    if (!X11Pointer::moveTo(winId(), on.devicePixels().topLeft() + pointer))
        QCursor::setPos((on.geometry.topLeft() + QPointF(pointer) / on.scale()).toPoint());
    update();
}

QPointF ScreenGrabPicker::originOnOverlay(const ScreenReading &reading) const
{
    return mapFromGlobal(reading.geometry.topLeft());
}

// The middle of the pointer's device pixel, in the overlay's logical points.
QPointF ScreenGrabPicker::pointerOnOverlay() const
{
    return originOnOverlay(screens[screen]) + (QPointF(pointer) + QPointF(0.5, 0.5)) / devicePixelRatioF();
}

QColor ScreenGrabPicker::colorUnderPointer() const
{
    return screens[screen].pixels.pixelColor(pointer);
}

void ScreenGrabPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Each reading pixel for device pixel, whatever the scale factor.
    for (const ScreenReading &reading : screens)
        painter.drawImage(
            QRectF(originOnOverlay(reading), QSizeF(reading.pixels.size()) / devicePixelRatioF()), reading.pixels);

    // The crosshair, black and white so that it shows on any colour, through the pointer's
    // device pixel.
    const QPointF through = pointerOnOverlay();
    for (const QPen &pen : {QPen(Qt::black, 0), QPen(Qt::white, 0, Qt::DotLine)}) {
        painter.setPen(pen);
        painter.drawLine(QLineF(0, through.y(), width(), through.y()));
        painter.drawLine(QLineF(through.x(), 0, through.x(), height()));
    }
    const QPoint at(qFloor(through.x()), qFloor(through.y()));

    // The pixels around the pointer, magnified, beside it; turned to the other side near an edge.
    const int side = magnifiedPixels * magnification;
    QRect lens(at + QPoint(24, 24), QSize(side, side));
    if (lens.right() > width() - 1)
        lens.moveRight(at.x() - 24);
    if (lens.bottom() + 24 > height() - 1)
        lens.moveBottom(at.y() - 48);
    const QRect around(
        pointer - QPoint(magnifiedPixels / 2, magnifiedPixels / 2), QSize(magnifiedPixels, magnifiedPixels));
    painter.fillRect(lens, Qt::black);
    painter.drawImage(lens, screens[screen].pixels.copy(around));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(lens);
    const QRect middle(lens.topLeft() + QPoint(side / 2 - magnification / 2, side / 2 - magnification / 2),
        QSize(magnification, magnification));
    painter.drawRect(middle);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(middle.adjusted(-1, -1, 1, 1));

    const QRect label(lens.left(), lens.bottom() + 2, side, 20);
    painter.fillRect(label, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(label, Qt::AlignCenter, colorUnderPointer().name(QColor::HexRgb).toUpper());
}

void ScreenGrabPicker::mouseMoveEvent(QMouseEvent *event)
{
    followPointer(event->globalPosition());
}

void ScreenGrabPicker::mousePressEvent(QMouseEvent *event)
{
    followPointer(event->globalPosition());
    finish(event->button() == Qt::LeftButton);
}

void ScreenGrabPicker::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left: return moveByDevicePixels({-step, 0});
    case Qt::Key_Right: return moveByDevicePixels({step, 0});
    case Qt::Key_Up: return moveByDevicePixels({0, -step});
    case Qt::Key_Down: return moveByDevicePixels({0, step});
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return finish(true);
    case Qt::Key_Escape: return finish(false);
    default: QWidget::keyPressEvent(event);
    }
}

void ScreenGrabPicker::finish(bool take)
{
    releaseMouse();
    releaseKeyboard();
    const QColor color = colorUnderPointer();
    close();
    if (!take)
        return emit cancelled();
    emit picked({quint8(color.red()), quint8(color.green()), quint8(color.blue())});
}
