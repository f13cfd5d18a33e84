// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "artwork/artwork.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace Artwork {
namespace {

using Drawing = std::function<void(QPainter &)>;

// Draws in a coordinate system of the picture's logical size, at the given scale.
QPixmap render(QSize size, qreal scale, const QColor &background, const Drawing &draw)
{
    QPixmap pixmap(size * scale);
    pixmap.fill(background);
    QPainter painter(&pixmap);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

// An icon drawn when a size is asked for, not before: the window shows sooner, and each
// scale is drawn crisp. The drawing sees a square of `logicalSize` units.
class DrawnIconEngine : public QIconEngine
{
public:
    using ModeDrawing = std::function<void(QPainter &, QIcon::Mode, QIcon::State)>;

    DrawnIconEngine(qreal logicalSize, ModeDrawing draw)
        : logicalSize(logicalSize)
        , draw(std::move(draw))
    { }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / logicalSize, rect.height() / logicalSize);
        draw(*painter, mode, state);
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
    QIconEngine *clone() const override { return new DrawnIconEngine(logicalSize, draw); }

private:
    qreal logicalSize;
    ModeDrawing draw;
};

QColor grey(QColor c)
{
    const int level = qGray(c.rgb());
    return QColor(level, level, level);
}

void drawColorCube(QPainter &p, bool colored)
{
    // A 3 x 3 face of the web-safe cube.
    static const QRgb cells[9]
        = {0xFF0000, 0xFF9900, 0xFFFF00, 0xCC0066, 0x9966CC, 0x33CC33, 0x0033FF, 0x0099CC, 0x00FFCC};
    for (int i = 0; i < 9; ++i) {
        const QColor c(cells[i]);
        p.fillRect(QRectF(2 + 4 * (i % 3), 2 + 4 * (i / 3), 4, 4), colored ? c : grey(c));
    }
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(QRectF(2, 2, 12, 12));
}

void drawSixteenColors(QPainter &p, bool colored)
{
    static const QRgb cells[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 16; ++i) {
        const QColor c(cells[i]);
        p.fillRect(QRectF(2 + 3 * (i % 4), 2 + 3 * (i / 4), 3, 3), colored ? c : grey(c));
    }
    p.setPen(QPen(Qt::black, 0));
    p.drawRect(QRectF(2, 2, 12, 12));
}

void drawPaletteEmblem(QPainter &p, Emblem emblem, bool colored)
{
    if (emblem == Emblem::ColorCube)
        drawColorCube(p, colored);
    else
        drawSixteenColors(p, colored);
}

void drawCrossStroke(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 14), QPointF(14, 2));
}

void drawBars(QPainter &p, bool joined)
{
    static const QColor colors[3] = {QColor(230, 0, 0), QColor(0, 170, 0), QColor(0, 0, 230)};
    static const int tops[3] = {3, 7, 5};
    for (int i = 0; i < 3; ++i) {
        const qreal top = joined ? 4 : tops[i];
        const qreal bottom = joined ? 12 : tops[i] + 7;
        p.fillRect(QRectF(3 + 4 * i, top, 2, bottom - top), colors[i]);
    }
    if (joined)
        p.fillRect(QRectF(3, 12, 10, 2), QColor(60, 60, 60));
}

void drawPadlock(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.drawArc(QRectF(10.5, 0.5, 4, 5), 0, 180 * 16);
    p.fillRect(QRectF(10, 3, 5, 4), QColor(200, 160, 40));
}

// The program's emblem: three translucent discs, red, green and blue, on a 54 x 54 canvas.
// Pictures and the scalable icon are both made from this table.
struct Disc
{
    const char *color;
    qreal x, y;
};
const Disc emblemDiscs[] = {{"#ff3c3c", 19, 19}, {"#3cdc3c", 35, 19}, {"#465aff", 27, 34}};
constexpr qreal emblemSize = 54;
constexpr qreal discRadius = 15;
constexpr qreal discOpacity = 0.75;

void drawDiscs(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setOpacity(discOpacity);
    for (const Disc &disc : emblemDiscs) {
        p.setBrush(QColor(QLatin1String(disc.color)));
        p.drawEllipse(QPointF(disc.x, disc.y), discRadius, discRadius);
    }
}

} // namespace

QIcon paletteToggleIcon(Emblem emblem)
{
    return QIcon(new DrawnIconEngine(16, [emblem](QPainter &p, QIcon::Mode mode, QIcon::State state) {
        drawPaletteEmblem(p, emblem, mode != QIcon::Disabled);
        if (mode != QIcon::Disabled && state == QIcon::Off)
            drawCrossStroke(p);
    }));
}

QIcon slideLockIcon()
{
    return QIcon(new DrawnIconEngine(16, [](QPainter &p, QIcon::Mode, QIcon::State state) {
        drawBars(p, state == QIcon::On);
        if (state == QIcon::On)
            drawPadlock(p);
    }));
}

QImage emblem(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(size / emblemSize, size / emblemSize);
    drawDiscs(painter);
    return image;
}

QByteArray emblemSvg()
{
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"54\" height=\"54\" viewBox=\"0 0 54 54\">\n";
    for (const Disc &disc : emblemDiscs)
        svg += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" fill-opacity=\"%5\"/>\n")
                   .arg(disc.x)
                   .arg(disc.y)
                   .arg(discRadius)
                   .arg(QLatin1String(disc.color))
                   .arg(discOpacity)
                   .toUtf8();
    return svg + "</svg>\n";
}

QIcon appIcon()
{
    // Drawn only at the sizes asked for: painting every installed size up front, up to 256
    // pixels, slowed the window's first appearance.
    return QIcon(new DrawnIconEngine(emblemSize, [](QPainter &p, QIcon::Mode, QIcon::State) { drawDiscs(p); }));
}

QPixmap aboutPicture(qreal devicePixelRatio)
{
    return render(QSize(54, 52), devicePixelRatio, Qt::white, drawDiscs);
}

} // namespace Artwork
