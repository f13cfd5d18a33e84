#include "mainwindow/mainwindow.h"
#include "mainwindow/qttoolkit.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rusket"));

    QtToolkit toolkit;
    MainWindow window(toolkit);
    if (const std::optional<LoadError> error = window.loadData()) {
        const QString report = QStringLiteral("Rusket cannot start: ") + error->text();
        std::fprintf(stderr, "%s\n", qPrintable(report));
        toolkit.showMessage(report);
        return 1;
    }
    window.show();
    return app.exec();
}
