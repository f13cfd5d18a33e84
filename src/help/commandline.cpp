#include "help/commandline.h"

#include "rusketversion.h"

#include <QCommandLineParser>

namespace {

// Options that Qt's application object takes itself; a desktop or session manager may pass them.
const char *const qtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "display", "style",
    "stylesheet", "session", "qwindowgeometry", "qwindowicon", "qwindowtitle", "widgetcount"};
const char *const qtFlagOptions[] = {"reverse", "nograb", "dograb", "sync"};

const char helpText[] = "Usage: rusket [options]\n"
                        "Rusket shows one colour at once in every notation HTML and CSS accept.\n"
                        "\n"
                        "Options:\n"
                        "  -h, --help     Show this help and exit.\n"
                        "  -v, --version  Show the version and exit.\n"
                        "\n"
                        "Qt's own window options, such as -style or -platform, are passed on to Qt.\n";

} // namespace

std::optional<CommandLineReply> replyToCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    for (const char *name : qtValueOptions)
        parser.addOption(QCommandLineOption(QLatin1String(name), {}, QStringLiteral("value")));
    for (const char *name : qtFlagOptions)
        parser.addOption(QCommandLineOption(QLatin1String(name)));

    const QString tryHelp = QStringLiteral("Try 'rusket --help' for more information.\n");
    if (!parser.parse(arguments))
        return CommandLineReply{2, {}, QStringLiteral("rusket: ") + parser.errorText() + u'\n' + tryHelp};
    if (!parser.positionalArguments().isEmpty())
        return CommandLineReply{2, {},
            QStringLiteral("rusket: Unexpected argument '%1'.\n").arg(parser.positionalArguments().first()) + tryHelp};
    if (parser.isSet(help))
        return CommandLineReply{0, QLatin1String(helpText), {}};
    if (parser.isSet(version))
        return CommandLineReply{0, QStringLiteral("Rusket " RUSKET_VERSION "\n"), {}};
    return std::nullopt;
}
