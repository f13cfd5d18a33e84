// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/screengrabpicker.h"

#include "picking/x11pointer.h"
#include "tables/usersettings.h"
#include "values/linearlight.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QtMath>

namespace {

constexpr int magnifiedPixels = 11; // an odd number: the pixel under the pointer sits in the middle
constexpr int magnification = 10;
const QString sampleSizeKey = QStringLiteral("pick/sampleSize");

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
    setWindowTitle(tr("Pick from Screen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    const int remembered = QSettings(UserSettings::file(), QSettings::IniFormat).value(sampleSizeKey, 1).toInt();
    for (int i = 0; i < int(std::size(sampleSizes)); ++i) {
        if (sampleSizes[i] == remembered)
            sizeIndex = i;
    }
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

// The square around the pointer's pixel, as much of it as lies on its screen.
Rgb ScreenGrabPicker::sampledColor() const
{
    const QImage &pixels = screens[screen].pixels;
    const int reach = sampleSize() / 2;
    const QRect square = QRect(pointer - QPoint(reach, reach), QSize(sampleSize(), sampleSize())) & pixels.rect();
    QList<Rgb> sample;
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x) {
            const QRgb pixel = pixels.pixel(x, y);
            sample.append({quint8(qRed(pixel)), quint8(qGreen(pixel)), quint8(qBlue(pixel))});
        }
    }
    return LinearLight::average(sample);
}

void ScreenGrabPicker::resizeSample(int step)
{
    sizeIndex = qBound(0, sizeIndex + step, int(std::size(sampleSizes)) - 1);
    QSettings(UserSettings::file(), QSettings::IniFormat).setValue(sampleSizeKey, sampleSize());
    update();
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
    paintLens(painter, QPoint(qFloor(through.x()), qFloor(through.y())));
}

// The pixels around the pointer, magnified, beside it and turned away from the edges; the
// sampled square framed in its middle, and below it the sample's hexadecimal value.
void ScreenGrabPicker::paintLens(QPainter &painter, QPoint at)
{
    const int side = magnifiedPixels * magnification;
    const int labelHeight = keptCount > 0 ? 38 : 20; // a second line counts the kept samples
    QRect lens(at + QPoint(24, 24), QSize(side, side));
    if (lens.right() > width() - 1)
        lens.moveRight(at.x() - 24);
    if (lens.bottom() + labelHeight + 4 > height() - 1)
        lens.moveBottom(at.y() - labelHeight - 28);
    const QRect around(
        pointer - QPoint(magnifiedPixels / 2, magnifiedPixels / 2), QSize(magnifiedPixels, magnifiedPixels));
    painter.fillRect(lens, Qt::black);
    painter.drawImage(lens, screens[screen].pixels.copy(around));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(lens);
    const int framed = sampleSize() * magnification;
    const QRect middle(lens.topLeft() + QPoint(side / 2 - framed / 2, side / 2 - framed / 2), QSize(framed, framed));
    painter.drawRect(middle);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawRect(middle.adjusted(-1, -1, 1, 1));

    const Rgb sampled = sampledColor();
    QString text = QColor(sampled.red, sampled.green, sampled.blue).name(QColor::HexRgb).toUpper();
    if (sampleSize() > 1)
        text += QStringLiteral("  %1\u00d7%1").arg(sampleSize());
    if (keptCount > 0)
        text += u'\n' + tr("%n kept", nullptr, keptCount);
    const QRect label(lens.left(), lens.bottom() + 2, side, labelHeight);
    painter.fillRect(label, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(label, Qt::AlignCenter, text);
}

void ScreenGrabPicker::mouseMoveEvent(QMouseEvent *event)
{
    followPointer(event->globalPosition());
}

void ScreenGrabPicker::mousePressEvent(QMouseEvent *event)
{
    followPointer(event->globalPosition());
    if (event->button() == Qt::LeftButton)
        return take(event->modifiers() & Qt::ShiftModifier);
    finish(false);
}

void ScreenGrabPicker::keyPressEvent(QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left: return moveByDevicePixels({-step, 0});
    case Qt::Key_Right: return moveByDevicePixels({step, 0});
    case Qt::Key_Up: return moveByDevicePixels({0, -step});
    case Qt::Key_Down: return moveByDevicePixels({0, step});
    case Qt::Key_Plus:
    case Qt::Key_Equal: return resizeSample(1);
    case Qt::Key_Minus: return resizeSample(-1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return take(event->modifiers() & Qt::ShiftModifier);
    case Qt::Key_Escape: return finish(false);
    default: QWidget::keyPressEvent(event);
    }
}

void ScreenGrabPicker::take(bool keepPicking)
{
    if (!keepPicking)
        return finish(true);
    ++keptCount;
    update();
    emit kept(sampledColor());
}

void ScreenGrabPicker::finish(bool take)
{
    releaseMouse();
    releaseKeyboard();
    const Rgb color = sampledColor();
    close();
    if (!take)
        return emit cancelled();
    emit picked(color);
}
