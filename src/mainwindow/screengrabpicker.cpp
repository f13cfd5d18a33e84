#include "mainwindow/screengrabpicker.h"

#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int magnifiedPixels = 11; // an odd number: the pixel under the pointer sits in the middle
constexpr int magnification = 10;

} // namespace

ScreenGrabPicker *ScreenGrabPicker::start()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QImage grab = screen ? screen->grabWindow(0).toImage() : QImage();
    if (grab.isNull())
        return nullptr;
    auto *overlay = new ScreenGrabPicker(grab);
    overlay->setGeometry(screen->geometry());
    overlay->pointer = overlay->mapFromGlobal(QCursor::pos());
    overlay->show();
    overlay->activateWindow();
    overlay->grabKeyboard();
    overlay->grabMouse(Qt::CrossCursor);
    return overlay;
}

ScreenGrabPicker::ScreenGrabPicker(const QImage &screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint)
    , screen(screen)
{
    setObjectName(QStringLiteral("screenPicker"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

QPoint ScreenGrabPicker::devicePixel(QPoint pos, QSize logical, QSize device)
{
    const qreal scale = qreal(device.width()) / qMax(1, logical.width());
    return {qBound(0, int(pos.x() * scale), device.width() - 1), qBound(0, int(pos.y() * scale), device.height() - 1)};
}

QColor ScreenGrabPicker::colorAt(QPoint pos) const
{
    return screen.pixelColor(devicePixel(pos, size(), screen.size()));
}

void ScreenGrabPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), screen);

    // The crosshair, black and white so that it shows on any colour.
    for (const QPen &pen : {QPen(Qt::black, 0), QPen(Qt::white, 0, Qt::DotLine)}) {
        painter.setPen(pen);
        painter.drawLine(0, pointer.y(), width(), pointer.y());
        painter.drawLine(pointer.x(), 0, pointer.x(), height());
    }

    // The pixels around the pointer, magnified, beside it; turned to the other side near an edge.
    const int side = magnifiedPixels * magnification;
    QRect lens(pointer + QPoint(24, 24), QSize(side, side));
    if (lens.right() > width() - 1)
        lens.moveRight(pointer.x() - 24);
    if (lens.bottom() + 24 > height() - 1)
        lens.moveBottom(pointer.y() - 48);
    const QPoint centre = devicePixel(pointer, size(), screen.size());
    const QRect around(
        centre - QPoint(magnifiedPixels / 2, magnifiedPixels / 2), QSize(magnifiedPixels, magnifiedPixels));
    painter.fillRect(lens, Qt::black);
    painter.drawImage(lens, screen.copy(around));
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
    painter.drawText(label, Qt::AlignCenter, colorAt(pointer).name(QColor::HexRgb).toUpper());
}

void ScreenGrabPicker::mouseMoveEvent(QMouseEvent *event)
{
    pointer = event->position().toPoint();
    update();
}

void ScreenGrabPicker::mousePressEvent(QMouseEvent *event)
{
    finish(event->button() == Qt::LeftButton, event->position().toPoint());
}

void ScreenGrabPicker::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        finish(false);
}

void ScreenGrabPicker::finish(bool take, QPoint pos)
{
    releaseMouse();
    releaseKeyboard();
    close();
    if (!take)
        return emit cancelled();
    const QColor color = colorAt(pos);
    emit picked({quint8(color.red()), quint8(color.green()), quint8(color.blue())});
}
