// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

#include "cli/conversion.h"
#include "css/csscolorreader.h"
#include "rusketversion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

const char helpText[] = QT_TRANSLATE_NOOP("CommandLine",
    "Usage: rusket [options]\n"
    "Rusket shows one colour at once in every notation HTML and CSS accept.\n"
    "\n"
    "Options:\n"
    "  -h, --help            Show this help and exit.\n"
    "  -v, --version         Show the version and exit.\n"
    "  --color TEXT          Start with the CSS colour TEXT current.\n"
    "  --convert TEXT        Print the CSS colour TEXT in every format, one a line, and exit;\n"
    "                        with -, convert one colour a line from standard input.\n"
    "  --format NAME         With --convert, print only this format: hex, rgb, hsl, hwb,\n"
    "                        lab, lch, oklab, oklch, display-p3 or name.\n"
    "\n"
    "Examples:\n"
    "  rusket --convert '#ff8000' --format oklch\n"
    "  rusket --convert - --format hex < colours.txt\n"
    "\n"
    "Qt's own window options, such as -style or -geometry, are passed on to Qt.\n");

const char noDisplayText[] = QT_TRANSLATE_NOOP("CommandLine",
    "rusket: no display found. Rusket is a desktop program and needs an X11 or Wayland session; on a machine "
    "without one, run it in a virtual display: xvfb-run rusket\n");

QString tryHelp()
{
    return QCoreApplication::translate("CommandLine", "Try 'rusket --help' for more information.\n");
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

    // The commands that need no window: --help, --version, --convert and a refused --color.
    std::optional<CommandLineReply> replyWithoutWindow(const QCommandLineParser &parser) const
    {
        if (parser.isSet(help))
            return CommandLineReply::output(QCoreApplication::translate("CommandLine", helpText));
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
                return CommandLineReply::error(
                    2, QCoreApplication::translate("CommandLine", "rusket: --color: %1\n").arg(reading.reason));
        }
        return std::nullopt;
    }

    static CommandLineReply usageError(const QString &what)
    {
        return CommandLineReply::error(
            2, QCoreApplication::translate("CommandLine", "rusket: %1\n").arg(what) + tryHelp());
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
            return CommandLineReply::error(
                1, QCoreApplication::translate("CommandLine", "rusket: %1\n").arg(reading.reason));
        return CommandLineReply::output(Conversion::allFormats(reading.bytes, format));
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
    if (!parser.errorText().isEmpty() && parser.unknownOptionNames().isEmpty())
        return OwnOptions::usageError(parser.errorText()); // an option of ours without its value
    if (std::optional<CommandLineReply> reply = own.replyWithoutWindow(parser))
        return reply;
    if (!displayNamed(arguments, environment))
        return CommandLineReply::error(1, QCoreApplication::translate("CommandLine", noDisplayText));
    return std::nullopt;
}

std::optional<CommandLineReply> replyToCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const OwnOptions own(parser);
    if (!parser.parse(arguments))
        return OwnOptions::usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return OwnOptions::usageError(QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                                          .arg(parser.positionalArguments().first()));
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
