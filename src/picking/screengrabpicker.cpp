// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/screengrabpicker.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace {

constexpr int magnifiedPixels = 11; // an odd number: the pixel under the pointer sits in the middle
constexpr int magnification = 10;

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
    overlay->pointAt(QCursor::pos());
    overlay->show();
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

QPoint ScreenGrabPicker::devicePixel(QPointF logical, qreal scale, QSize device)
{
    const int x = int(std::floor(logical.x() * scale + 0.5));
    const int y = int(std::floor(logical.y() * scale + 0.5));
    return {qBound(0, x, device.width() - 1), qBound(0, y, device.height() - 1)};
}

void ScreenGrabPicker::pointAt(QPointF global)
{
    for (int i = 0; i < screens.size(); ++i) {
        if (QRectF(screens[i].geometry).contains(global))
            screen = i;
    }
    const ScreenReading &on = screens[screen];
    pointer = devicePixel(global - on.geometry.topLeft(), on.scale(), on.pixels.size());
    update();
}

void ScreenGrabPicker::moveByDevicePixels(QPoint step)
{
    const ScreenReading &on = screens[screen];
    pointer = devicePixel(pointer + step, 1, on.pixels.size());
    // The system pointer follows as near as logical points reach; the device pixel stays ours.
    warpedTo = (on.geometry.topLeft() + QPointF(pointer) / on.scale()).toPoint();
    QCursor::setPos(warpedTo);
    update();
}

QPointF ScreenGrabPicker::pointerOnOverlay() const
{
    const ScreenReading &on = screens[screen];
    return QPointF(mapFromGlobal(on.geometry.topLeft())) + QPointF(pointer) / on.scale();
}

QColor ScreenGrabPicker::colorUnderPointer() const
{
    return screens[screen].pixels.pixelColor(pointer);
}

void ScreenGrabPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const ScreenReading &reading : screens)
        painter.drawImage(QRect(mapFromGlobal(reading.geometry.topLeft()), reading.geometry.size()), reading.pixels);

    // The crosshair, black and white so that it shows on any colour.
    const QPoint at = pointerOnOverlay().toPoint();
    for (const QPen &pen : {QPen(Qt::black, 0), QPen(Qt::white, 0, Qt::DotLine)}) {
        painter.setPen(pen);
        painter.drawLine(0, at.y(), width(), at.y());
        painter.drawLine(at.x(), 0, at.x(), height());
    }

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
    if (event->globalPosition().toPoint() == warpedTo)
        return; // the keys' own move: their device pixel is finer than the system's point
    warpedTo = {};
    pointAt(event->globalPosition());
}

void ScreenGrabPicker::mousePressEvent(QMouseEvent *event)
{
    if (event->globalPosition().toPoint() != warpedTo)
        pointAt(event->globalPosition());
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
