// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Shows a window of one-pixel stripes for the desktop test: every device pixel of it has a colour
// of its own that names its place on the screen, red = x mod 256, green = y mod 256,
// blue = 16 * (x / 256) + y / 256. Or reads pixels of the screen, each as "red,green,blue".
// Run unscaled, so that its pixels are the screen's.
//   stripes LEFT TOP WIDTH HEIGHT
//   stripes --read X Y [X Y ...]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRasterWindow>
#include <QScreen>
#include <cstdio>

namespace {

class Stripes : public QRasterWindow
{
public:
    explicit Stripes(QRect place)
        : image(place.size(), QImage::Format_RGB32)
    {
        setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus);
        setGeometry(place);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int onScreenX = place.left() + x, onScreenY = place.top() + y;
                image.setPixel(x, y, qRgb(onScreenX % 256, onScreenY % 256, 16 * (onScreenX / 256) + onScreenY / 256));
            }
        }
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, image); }

private:
    QImage image;
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList place = QGuiApplication::arguments().mid(1);
    if (place.value(0) == QLatin1String("--read")) {
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        for (qsizetype i = 1; i + 1 < place.size(); i += 2) {
            const QColor pixel = screen.pixelColor(place[i].toInt(), place[i + 1].toInt());
            std::printf("%d,%d,%d%c", pixel.red(), pixel.green(), pixel.blue(), i + 2 < place.size() ? ' ' : '\n');
        }
        return 0;
    }
    if (place.size() != 4)
        return 2;
    Stripes stripes(QRect(place[0].toInt(), place[1].toInt(), place[2].toInt(), place[3].toInt()));
    stripes.show();
    return QGuiApplication::exec();
}
