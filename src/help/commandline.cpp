#include "help/commandline.h"

#include "rusketversion.h"

#include <QCommandLineParser>

namespace {

const char helpText[] = "Usage: rusket [options]\n"
                        "Rusket shows one colour at once in every notation HTML and CSS accept.\n"
                        "\n"
                        "Options:\n"
                        "  -h, --help     Show this help and exit.\n"
                        "  -v, --version  Show the version and exit.\n"
                        "\n"
                        "Qt's own window options, such as -style or -geometry, are passed on to Qt.\n";

const char noDisplayText[] = "rusket: no display found. Rusket is a desktop program and needs an X11 or Wayland "
                             "session; on a machine without one, run it in a virtual display: xvfb-run rusket\n";

struct OwnOptions
{
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")}};

    explicit OwnOptions(QCommandLineParser &parser)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version});
    }

    std::optional<CommandLineReply> replyToInformation(const QCommandLineParser &parser) const
    {
        if (parser.isSet(help))
            return CommandLineReply{0, QLatin1String(helpText), {}};
        if (parser.isSet(version))
            return CommandLineReply{0, QStringLiteral("Rusket " RUSKET_VERSION "\n"), {}};
        return std::nullopt;
    }
};

// A platform named on the command line or in the environment is Qt's to find; otherwise an
// X11 or Wayland display must be named.
bool displayNamed(const QStringList &arguments, const QProcessEnvironment &environment)
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!environment.value(QLatin1String(variable)).isEmpty())
            return true;
    }
    for (const char *option : {"-platform", "--platform", "-display", "--display"}) {
        if (arguments.contains(QLatin1String(option)))
            return true;
    }
    return false;
}

} // namespace

std::optional<CommandLineReply> replyBeforeWindowSystem(
    const QStringList &arguments, const QProcessEnvironment &environment)
{
    QCommandLineParser parser;
    const OwnOptions own(parser);
    parser.parse(arguments); // Qt's options are unknown here: they are read later
    if (std::optional<CommandLineReply> reply = own.replyToInformation(parser))
        return reply;
    if (!displayNamed(arguments, environment))
        return CommandLineReply{1, {}, QLatin1String(noDisplayText)};
    return std::nullopt;
}

std::optional<CommandLineReply> replyToCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const OwnOptions own(parser);
    const QString tryHelp = QStringLiteral("Try 'rusket --help' for more information.\n");
    if (!parser.parse(arguments))
        return CommandLineReply{2, {}, QStringLiteral("rusket: ") + parser.errorText() + u'\n' + tryHelp};
    if (!parser.positionalArguments().isEmpty())
        return CommandLineReply{2, {},
            QStringLiteral("rusket: Unexpected argument '%1'.\n").arg(parser.positionalArguments().first()) + tryHelp};
    return own.replyToInformation(parser);
}
