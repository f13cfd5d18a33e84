// Saves a picture of the main window as it starts, for the README:
//   QT_QPA_PLATFORM=offscreen build/tests/screenshot docs/screenshot.png
#include "mainwindow/mainwindow.h"
#include "recordingtoolkit.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshot OUTPUT.png\n");
        return 2;
    }
    RecordingToolkit toolkit;
    MainWindow window(toolkit);
    if (const std::optional<LoadError> error = window.Form_Load()) {
        std::fprintf(stderr, "%s\n", qPrintable(error->text()));
        return 1;
    }
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
