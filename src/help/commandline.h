#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

// What the program answers on its command line without opening a window.
struct CommandLineReply
{
    int exitStatus = 0;
    QString standardOutput;
    QString standardError;
};

/// Before any window-system connection (the program's own name first): the reply to --help or
/// --version, or, when no display can be reached, how to run the program without one. Nothing
/// when the application object may be built; it takes Qt's own options (-style, -geometry, ...).
std::optional<CommandLineReply> replyBeforeWindowSystem(
    const QStringList &arguments, const QProcessEnvironment &environment);

/// After Qt has taken its own options: whatever is left must be the program's own.
std::optional<CommandLineReply> replyToCommandLine(const QStringList &arguments);
