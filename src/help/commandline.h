#pragma once

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

/// Reads the arguments (the program's own name first). Nothing when the window should open;
/// otherwise the reply to --help, --version or a mistake. Qt's own window options (-style,
/// -platform, ...) are accepted and left for Qt.
std::optional<CommandLineReply> replyToCommandLine(const QStringList &arguments);
