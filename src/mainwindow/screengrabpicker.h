#pragma once

#include "values/rgb.h"

#include <QImage>
#include <QWidget>

// Picks a colour from an X11 screen: the screen under the pointer is read once, then shown
// frozen over everything with a crosshair, a magnified view of the pixels under the pointer
// and their hexadecimal value. A left click takes the pixel; Escape or a right click cancels.
// The colours come from the reading taken before the overlay showed, at device pixels, so
// the overlay never sees itself and a HiDPI screen gives its true pixels.
class ScreenGrabPicker : public QWidget
{
    Q_OBJECT

public:
    /// Shows the overlay; nothing when this system has no screen to read.
    static ScreenGrabPicker *start();

    /// The device pixel under a point of a screen of `logical` size read at `device` size.
    static QPoint devicePixel(QPoint pos, QSize logical, QSize device);

signals:
    void picked(Rgb color);
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit ScreenGrabPicker(const QImage &screen);
    QColor colorAt(QPoint pos) const;
    void finish(bool take, QPoint pos = {});

    QImage screen;
    QPoint pointer;
};
