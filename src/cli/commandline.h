// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/conversion.h"
#include "css/cssformats.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// What the program answers on its command line without opening a window.
struct CommandLineReply
{
    int exitStatus = 0;
    QString standardOutput;
    QString standardError;
    bool convertStandardInput = false; // then the colors come one a line, written so
    ColorWriting writing;
    std::function<CommandLineReply()> deferred; // work done once, when the answer is given

    static CommandLineReply output(const QString &text)
    {
        CommandLineReply reply;
        reply.standardOutput = text;
        return reply;
    }
    static CommandLineReply error(int status, const QString &text)
    {
        CommandLineReply reply;
        reply.exitStatus = status;
        reply.standardError = text;
        return reply;
    }
};

/// Before any window-system connection (the program's own name first): the reply to --help,
/// --version, --convert, a refused option or argument, or, when no display is named, how to run
/// the program without one. Nothing when the application object may be built; it takes Qt's
/// own options (-style, -geometry, ...).
std::optional<CommandLineReply> replyBeforeWindowSystem(
    const QStringList &arguments, const QProcessEnvironment &environment);

/// After Qt has taken its own options: whatever is left must be the program's own.
std::optional<CommandLineReply> replyToCommandLine(const QStringList &arguments);

/// What --pick asks for: how each color picked is printed, and whether it is copied too.
struct PickRequest
{
    ColorWriting writing; // with neither a format nor a template, the form the preferences copy
    bool copy = false;
};

/// The pick from the screen the arguments ask for, once they were found sound.
std::optional<PickRequest> pickRequest(const QStringList &arguments);

/// The color --color asks the window to start with.
std::optional<Rgb> startColor(const QStringList &arguments);

/// What names the window system to connect to, as given ("-display :1", "DISPLAY=:1",
/// "WAYLAND_DISPLAY=wayland-0", "QT_QPA_PLATFORM=offscreen"); empty when nothing does.
QStringList displaySettings(const QStringList &arguments, const QProcessEnvironment &environment);
