#include "help/commandline.h"
#include "mainwindow/artwork.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/qttoolkit.h"
#include "rusketversion.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // --help and --version answer before any window system is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const std::optional<CommandLineReply> reply = replyToCommandLine(arguments)) {
        std::fputs(qPrintable(reply->standardOutput), stdout);
        std::fputs(qPrintable(reply->standardError), stderr);
        return reply->exitStatus;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rusket"));
    QApplication::setApplicationVersion(QStringLiteral(RUSKET_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("rusket"));
    QApplication::setWindowIcon(Artwork::appIcon());

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
