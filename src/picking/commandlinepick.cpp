// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/commandlinepick.h"

#include "cli/backgroundchild.h"
#include "picking/pickhistory.h"
#include "picking/screenpick.h"
#include "tables/usersettings.h"
#include "window/qttoolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTimer>

CommandLinePick::CommandLinePick(const PickRequest &request, const CopyPreferences &preferences, Toolkit &toolkit,
    std::FILE *out, std::FILE *errors, QObject *parent)
    : QObject(parent)
    , request(request)
    , preferences(preferences)
    , toolkit(toolkit)
    , out(out)
    , errors(errors)
    , pick(new ScreenPick(this))
{
    connect(pick, &ScreenPick::kept, this, &CommandLinePick::take);
    connect(pick, &ScreenPick::picked, this, &CommandLinePick::take);
    auto *history = new PickHistory(pick, PickHistory::Colors::KeptAndPicked);
    connect(history, &PickHistory::failed, this, &CommandLinePick::complain);
    // After History has had the colour and told its problems.
    connect(pick, &ScreenPick::picked, this, [this] { finish(0); });
    connect(pick, &ScreenPick::cancelled, this, [this] { finish(printed.isEmpty() ? cancelledStatus : 0); });
    connect(pick, &ScreenPick::failed, this, [this](const QString &message) {
        complain(message);
        finish(1);
    });
}

void CommandLinePick::start()
{
    pick->start();
}

void CommandLinePick::take(Rgb color)
{
    const QString text = request.writing.format || !request.writing.templateText.isEmpty()
        ? Conversion::allFormats(color, request.writing).chopped(1)
        : preferences.writeDefault(color);
    printed.append(text);
    last = color;
    const QByteArray line = (text + u'\n').toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), out);
    outputFailed = outputFailed || !Conversion::flushed(out, errors);
}

void CommandLinePick::complain(const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("rusket: %1\n").arg(message)), errors);
}

void CommandLinePick::finish(int status)
{
    if (status == 0 && request.copy && !toolkit.setClipboardColor(printed.join(u'\n'), last)) {
        complain(tr("The clipboard could not be written."));
        status = 1;
    }
    emit finished(outputFailed ? 1 : status);
}

int CommandLinePick::run(const PickRequest &request)
{
    QApplication::setQuitOnLastWindowClosed(false); // the overlay's close ends no loop
    QSettings settings(UserSettings::file(), QSettings::IniFormat);
    QtToolkit toolkit;
    CommandLinePick command(request, CopyPreferences::load(settings), toolkit, stdout, stderr);
    int status = 1;
    connect(&command, &CommandLinePick::finished, qApp, [&status](int ended) {
        status = ended;
        QCoreApplication::exit();
    });
    QTimer::singleShot(0, &command, &CommandLinePick::start); // a pick that fails at once ends the loop too
    QApplication::exec();
    if (!request.copy)
        return status;
    BackgroundChild::release(status);
    if (status != 0)
        return status;
    // Held until another program takes the clipboard.
    QClipboard *clipboard = QGuiApplication::clipboard();
    connect(clipboard, &QClipboard::changed, qApp, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
            QCoreApplication::exit();
    });
    return clipboard->ownsClipboard() ? QApplication::exec() : 0;
}
