// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/conversion.h"
#include "cli/commandline.h"
#include "artwork/artwork.h"
#include "window/mainwindow.h"
#include "window/qttoolkit.h"
#include "rusketversion.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QTimer>
#include <cstdio>

namespace {

// The program's texts in the user's languages, found beside the program (a build tree) or with
// its installed data, and Qt's own texts for its standard dialogs where they are installed.
void loadTranslations(QApplication &app)
{
    auto *own = new QTranslator(&app);
    const QString programFolder = QApplication::applicationDirPath();
    for (const QString &folder : {programFolder, programFolder + QStringLiteral("/" RUSKET_INSTALLED_DATA)}) {
        if (own->load(QLocale(), QStringLiteral("rusket"), QStringLiteral("_"), folder)) {
            QApplication::installTranslator(own);
            break;
        }
    }
    auto *qt = new QTranslator(&app);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}

// The reply's exit status, or 1 where its output could not be written.
int print(const CommandLineReply &reply)
{
    std::fputs(qPrintable(reply.standardOutput), stdout);
    std::fputs(qPrintable(reply.standardError), stderr);
    return Conversion::flushed(stdout, stderr) ? reply.exitStatus : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const std::optional<CommandLineReply> reply
        = replyBeforeWindowSystem(arguments, QProcessEnvironment::systemEnvironment())) {
        if (reply->convertStandardInput)
            return Conversion::convertLines(stdin, stdout, stderr, reply->format);
        return print(*reply);
    }

    QApplication app(argc, argv); // takes Qt's own options out of the arguments
    loadTranslations(app);
    if (const std::optional<CommandLineReply> reply = replyToCommandLine(QApplication::arguments())) {
        return print(*reply);
    }
    QApplication::setApplicationName(QStringLiteral("Rusket"));
    QApplication::setApplicationVersion(QStringLiteral(RUSKET_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(RUSKET_APP_ID));

    QtToolkit toolkit;
    MainWindow window(toolkit);
    if (const std::optional<LoadError> error = window.loadData()) {
        const QString report = QCoreApplication::translate("Main", "Rusket cannot start: %1").arg(error->text());
        std::fprintf(stderr, "%s\n", qPrintable(report));
        toolkit.showMessage(report);
        return 1;
    }
    if (const std::optional<Rgb> color = startColor(QApplication::arguments()))
        window.takeColor(*color);
    window.show();
    // The icon follows the window's first appearance instead of holding it up.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(Artwork::appIcon()); });
    return app.exec();
}
