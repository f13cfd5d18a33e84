// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/backgroundchild.h"
#include "cli/conversion.h"
#include "cli/commandline.h"
#include "cli/displayguard.h"
#include "cli/translations.h"
#include "artwork/artwork.h"
#include "picking/commandlinepick.h"
#include "window/mainwindow.h"
#include "window/qttoolkit.h"
#include "rusketversion.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The reply's exit status, or 1 where its output could not be written.
int print(const CommandLineReply &reply)
{
    std::fputs(qPrintable(reply.standardOutput), stdout);
    std::fputs(qPrintable(reply.standardError), stderr);
    return Conversion::flushed(stdout, stderr) ? reply.exitStatus : 1;
}

// Without a window the application object makes no window-system connection; the answer is
// asked again once the translation is there, so that it speaks the user's language.
int answerWithoutWindow(int &argc, char *argv[], const QStringList &arguments, const QProcessEnvironment &environment)
{
    QCoreApplication app(argc, argv);
    Translations::install(app);
    const CommandLineReply reply = replyBeforeWindowSystem(arguments, environment).value();
    if (reply.convertStandardInput)
        return Conversion::convertLines(stdin, stdout, stderr, reply.writing);
    if (reply.deferred)
        return print(reply.deferred());
    return print(reply);
}

// A closed standard stream would give its number to the next file opened, the connection to
// the window system, and whatever is written to the stream would go there.
void openClosedStandardStreams()
{
    for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) < 0)
            ::open("/dev/null", O_RDWR); // takes the lowest number free: this one
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Rusket")); // names the user's folders
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (replyBeforeWindowSystem(arguments, environment))
        return answerWithoutWindow(argc, argv, arguments, environment);
    openClosedStandardStreams();
    const std::optional<PickRequest> pick = pickRequest(arguments);
    if (pick && pick->copy)
        BackgroundChild::fork(); // what is copied stays on the clipboard after the command

    DisplayGuard guard(displaySettings(arguments, environment));
    QApplication app(argc, argv); // takes Qt's own options out of the arguments
    guard.release();
    Translations::install(app);
    if (const std::optional<CommandLineReply> reply = replyToCommandLine(QApplication::arguments()))
        return print(*reply);
    QApplication::setApplicationVersion(QStringLiteral(RUSKET_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(RUSKET_APP_ID));
    if (pick)
        return CommandLinePick::run(*pick);

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
