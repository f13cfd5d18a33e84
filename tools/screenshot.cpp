// Saves a picture of the main window as it starts, for the README:
//   make screenshot
#include "mainwindow/mainwindow.h"
#include "mainwindow/qttoolkit.h"

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
    QtToolkit toolkit;
    MainWindow window(toolkit);
    if (const std::optional<LoadError> error = window.loadData()) {
        std::fprintf(stderr, "%s\n", qPrintable(error->text()));
        return 1;
    }
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
