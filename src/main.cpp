#include "mainwindow/mainwindow.h"
#include "mainwindow/qttoolkit.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rusket"));

    QtToolkit toolkit;
    MainWindow frmMain(toolkit);
    if (const std::optional<LoadError> error = frmMain.Form_Load()) {
        const QString report = QStringLiteral("Rusket cannot start: ") + error->text();
        std::fprintf(stderr, "%s\n", qPrintable(report));
        toolkit.showMessage(report);
        return 1;
    }
    frmMain.show();
    return app.exec();
}
