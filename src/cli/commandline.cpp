// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

#include "cli/conversion.h"
#include "css/csscolorreader.h"
#include "rusketversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <string_view>

namespace {

const char helpText[] = QT_TRANSLATE_NOOP("CommandLine",
    "Usage: rusket [options]\n"
    "Rusket shows one color at once in every notation HTML and CSS accept.\n"
    "\n"
    "Options:\n"
    "  -h, --help            Show this help and exit.\n"
    "  -v, --version         Show the version and exit.\n"
    "  --color TEXT          Start with the CSS color TEXT current.\n"
    "  --convert TEXT        Print the CSS color TEXT in every format, one a line, and exit;\n"
    "                        with -, convert one color a line from standard input.\n"
    "  --format NAME         With --convert, print only this format: hex, rgb, hsl, hwb,\n"
    "                        lab, lch, oklab, oklch, display-p3 or name.\n"
    "\n"
    "Examples:\n"
    "  rusket --convert '#ff8000' --format oklch\n"
    "  rusket --convert - --format hex < colors.txt\n"
    "\n"
    "Qt's own window options, such as -style or -geometry, are passed on to Qt.\n");

const char noDisplayText[] = QT_TRANSLATE_NOOP("CommandLine",
    "rusket: no display found. Rusket is a desktop program and needs an X11 or Wayland session; on a machine "
    "without one, run it in a virtual display: xvfb-run rusket\n");

// A text marked with QT_TRANSLATE_NOOP, in the user's language.
QString translated(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

// Qt's own options, which QApplication takes out of the arguments ("-style fusion",
// "--style fusion", "-style=fusion"), and whether a value follows each.
struct QtOption
{
    std::string_view name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {{"platform", true}, {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true}, {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"geometry", true},
    {"title", true}, {"icon", true}, {"display", true}, {"name", true}, {"visual", true}, {"session", true},
    {"style", true}, {"stylesheet", true}, {"qmljsdebugger", true}, {"reverse", false}, {"widgetcount", false},
    {"nograb", false}, {"dograb", false}, {"testability", false}};

const QtOption *qtOptionNamed(QStringView name)
{
    for (const QtOption &option : qtOptions) {
        if (name == QLatin1String(option.name.data(), qsizetype(option.name.size())))
            return &option;
    }
    return nullptr;
}

const QtOption *qtOptionOf(const QString &argument)
{
    if (!argument.startsWith(u'-'))
        return nullptr;
    const QStringView name = QStringView(argument).mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    return qtOptionNamed(name.left(name.indexOf(u'=')));
}

// The arguments as QApplication leaves them: without Qt's options and their values.
QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList own = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            return own + arguments.mid(i);
        const QtOption *option = qtOptionOf(arguments[i]);
        if (!option)
            own.append(arguments[i]);
        else if (option->takesValue && !arguments[i].contains(u'='))
            ++i;
    }
    return own;
}

CommandLineReply usageError(const QString &what)
{
    return CommandLineReply::error(2,
        QCoreApplication::translate("CommandLine", "rusket: %1\n").arg(what)
            + QCoreApplication::translate("CommandLine", "Try 'rusket --help' for more information.\n"));
}

// A reason that quotes the text the user gave: at most about 60 of its characters, every one visible.
CommandLineReply refused(int status, const char *text, const QString &reason)
{
    return CommandLineReply::error(status, translated(text).arg(Conversion::readableReason(reason)));
}

struct OwnOptions
{
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption color{QStringLiteral("color"), {}, QStringLiteral("TEXT")};
    QCommandLineOption convert{QStringLiteral("convert"), {}, QStringLiteral("TEXT")};
    QCommandLineOption format{QStringLiteral("format"), {}, QStringLiteral("NAME")};

    explicit OwnOptions(QCommandLineParser &parser)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, color, convert, format});
    }

    // --help, --version or --convert: a command that answers without a window.
    const QCommandLineOption *windowlessCommand(const QCommandLineParser &parser) const
    {
        for (const QCommandLineOption *command : {&help, &version, &convert}) {
            if (parser.isSet(*command))
                return command;
        }
        return nullptr;
    }

    const QCommandLineOption *named(const QString &name) const
    {
        for (const QCommandLineOption *option : {&help, &version, &color, &convert, &format}) {
            if (option->names().contains(name))
                return option;
        }
        return nullptr;
    }

    static QString longName(const QCommandLineOption &option) { return QStringLiteral("--") + option.names().last(); }

    // The arguments could not be parsed: an unknown option, or one of ours without its value.
    // Beside a command without a window, Qt's options go no more than any other.
    std::optional<CommandLineReply> parseError(const QCommandLineParser &parser) const
    {
        const QStringList unknown = parser.unknownOptionNames();
        const QCommandLineOption *command = windowlessCommand(parser);
        if (command && !unknown.isEmpty() && qtOptionNamed(unknown.first()))
            return usageError(QCoreApplication::translate("CommandLine", "%1 does not go with %2.")
                                  .arg(QStringLiteral("-") + unknown.first(), longName(*command)));
        return usageError(parser.errorText());
    }

    // Each option once; beside --help, --version or --convert nothing but --convert's --format.
    std::optional<CommandLineReply> refusedCombination(const QCommandLineParser &parser) const
    {
        QList<const QCommandLineOption *> given;
        for (const QString &name : parser.optionNames()) {
            const QCommandLineOption *option = named(name);
            if (given.contains(option))
                return usageError(
                    QCoreApplication::translate("CommandLine", "%1 is given more than once.").arg(longName(*option)));
            given.append(option);
        }
        const QCommandLineOption *command = windowlessCommand(parser);
        for (const QCommandLineOption *option : given) {
            if (command && option != command && !(command == &convert && option == &format))
                return usageError(QCoreApplication::translate("CommandLine", "%1 does not go with %2.")
                                      .arg(longName(*option), longName(*command)));
        }
        return std::nullopt;
    }

    // The commands that need no window: --help, --version, --convert and a refused --color.
    std::optional<CommandLineReply> replyWithoutWindow(const QCommandLineParser &parser) const
    {
        if (parser.isSet(help))
            return CommandLineReply::output(translated(helpText));
        if (parser.isSet(version))
            return CommandLineReply::output(QStringLiteral("Rusket " RUSKET_VERSION "\n"));
        std::optional<CssFormat> chosen;
        if (parser.isSet(format)) {
            chosen = CssFormats::named(parser.value(format));
            if (!chosen)
                return usageError(
                    QCoreApplication::translate("CommandLine", "unknown format '%1'.").arg(parser.value(format)));
            if (!parser.isSet(convert))
                return usageError(QCoreApplication::translate("CommandLine", "--format goes with --convert."));
        }
        if (parser.isSet(convert))
            return converted(parser.value(convert), chosen);
        if (parser.isSet(color)) {
            const CssReading reading = readCssColor(parser.value(color));
            if (!reading.ok)
                return refused(2, QT_TRANSLATE_NOOP("CommandLine", "rusket: --color: %1\n"), reading.reason);
        }
        return std::nullopt;
    }

    static CommandLineReply converted(const QString &text, std::optional<CssFormat> format)
    {
        if (text == u'-') {
            CommandLineReply reply;
            reply.convertStandardInput = true;
            reply.format = format;
            return reply;
        }
        const CssReading reading = readCssColor(text);
        if (!reading.ok)
            return refused(1, QT_TRANSLATE_NOOP("CommandLine", "rusket: %1\n"), reading.reason);
        return CommandLineReply::output(Conversion::allFormats(reading.bytes, format));
    }
};

} // namespace

std::optional<CommandLineReply> replyBeforeWindowSystem(
    const QStringList &arguments, const QProcessEnvironment &environment)
{
    QCommandLineParser parser;
    const OwnOptions own(parser);
    parser.parse(arguments); // Qt's options are unknown here: QApplication takes them later
    if (own.windowlessCommand(parser))
        return replyToCommandLine(arguments); // no window: Qt's options go no more than others
    if (displaySettings(arguments, environment).isEmpty())
        return replyToCommandLine(withoutQtOptions(arguments))
            .value_or(CommandLineReply::error(1, translated(noDisplayText)));
    if (!parser.errorText().isEmpty() && parser.unknownOptionNames().isEmpty())
        return usageError(parser.errorText()); // an option of ours without its value
    return own.replyWithoutWindow(parser);
}

std::optional<CommandLineReply> replyToCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const OwnOptions own(parser);
    if (!parser.parse(arguments))
        return own.parseError(parser);
    if (!parser.positionalArguments().isEmpty())
        return usageError(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                              .arg(parser.positionalArguments().first()));
    if (std::optional<CommandLineReply> refusal = own.refusedCombination(parser))
        return refusal;
    return own.replyWithoutWindow(parser);
}

std::optional<Rgb> startColor(const QStringList &arguments)
{
    QCommandLineParser parser;
    const OwnOptions own(parser);
    parser.parse(arguments);
    if (!parser.isSet(own.color))
        return std::nullopt;
    const CssReading reading = readCssColor(parser.value(own.color));
    return reading.ok ? std::optional(reading.bytes) : std::nullopt;
}

QStringList displaySettings(const QStringList &arguments, const QProcessEnvironment &environment)
{
    // A platform named on the command line or in the environment is Qt's to find; otherwise an
    // X11 or Wayland display must be named.
    QStringList settings;
    for (const char *option : {"-platform", "--platform", "-display", "--display"}) {
        if (const qsizetype at = arguments.indexOf(QLatin1String(option)); at > 0 && at + 1 < arguments.size())
            settings.append(arguments[at] + u' ' + arguments[at + 1]);
    }
    for (const char *variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const QString value = environment.value(QLatin1String(variable)); !value.isEmpty())
            settings.append(QLatin1String(variable) + u'=' + value);
    }
    return settings;
}
