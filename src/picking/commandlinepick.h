// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/commandline.h"
#include "copying/copypreferences.h"

#include <QObject>
#include <QStringList>
#include <cstdio>

class ScreenPick;
class Toolkit;

// `rusket --pick`: a pick from the screen without the main window. Each colour picked or kept
// is printed on its own line as it comes and kept in History; with --copy, the text printed
// (without its last line end) and the last colour go to the clipboard once the pick is over.
// The exit status: 0 when a colour was picked or kept, 3 when the pick was cancelled before
// any, 1 when picking failed or the output or the clipboard could not be written.
class CommandLinePick : public QObject
{
    Q_OBJECT

public:
    static constexpr int cancelledStatus = 3;

    CommandLinePick(const PickRequest &request, const CopyPreferences &preferences, Toolkit &toolkit, std::FILE *out,
        std::FILE *errors, QObject *parent = nullptr);

    ScreenPick *screenPick() const { return pick; }
    void start();

    /// The whole command in a running application: the pick, its output, and with --copy, the
    /// clipboard held in the background (see BackgroundChild) until another program takes it.
    static int run(const PickRequest &request);

signals:
    void finished(int status);

private:
    void take(Rgb color);
    void finish(int status);
    void complain(const QString &message);

    PickRequest request;
    CopyPreferences preferences;
    Toolkit &toolkit;
    std::FILE *out;
    std::FILE *errors;
    ScreenPick *pick;
    QStringList printed;
    Rgb last;
    bool outputFailed = false;
};
