// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/commandline.h"

#include "cli/conversion.h"
#include "cli/palettecommands.h"
#include "css/csscolorreader.h"
#include "copying/copypreferences.h"
#include "palettes/palettestore.h"
#include "rusketversion.h"
#include "tables/usersettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <array>
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
    "  --pick                Pick a color from the screen, without the window, and print\n"
    "                        it in the form the preferences copy (hex unless changed).\n"
    "                        Shift with the click keeps picking; Escape ends.\n"
    "  --copy                With --pick, copy the color too; Rusket holds it in the\n"
    "                        background until another program takes the clipboard.\n"
    "  --format NAME         With --convert or --pick, print only this format: hex, rgb,\n"
    "                        hsl, hwb, lab, lch, oklab, oklch, display-p3 or name; with\n"
    "                        --export-palette, write each color so (hex without it).\n"
    "  --template TEXT       With --convert, --pick or --export-palette, write each color\n"
    "                        by TEXT, whose placeholders take its values: {r} {g} {b}\n"
    "                        (with .f a fraction, .p a percentage, .x two hex digits),\n"
    "                        {hex} {rgb} {hsl} ... {oklch}, the parts of a format such as\n"
    "                        {hsl.h} or {oklch.l}, and {name}.\n"
    "  --list-palettes       Print the name of every palette, one a line, History first.\n"
    "  --export-palette NAME Print the palette NAME in the form --as gives.\n"
    "  --as FORM             With --export-palette: css (custom properties), tailwind\n"
    "                        (a Tailwind theme), tokens (design tokens), gpl (a GIMP\n"
    "                        palette) or lines (one color a line).\n"
    "  --import-palette FILE Keep the colors of FILE, a GIMP palette or a text or\n"
    "                        stylesheet with CSS colors, as a new palette.\n"
    "  --name NAME           With --import-palette, name the new palette NAME.\n"
    "\n"
    "Examples:\n"
    "  rusket --convert '#ff8000' --format oklch\n"
    "  rusket --convert - --format hex < colors.txt\n"
    "  rusket --pick --copy --template 'Color({r}, {g}, {b})'\n"
    "  rusket --import-palette brand.css --name Brand\n"
    "  rusket --export-palette Brand --as tailwind --format oklch > theme.css\n"
    "\n"
    "Exit status: 0 when done, 1 on an error, 2 for a usage error, 3 when --pick was\n"
    "cancelled.\n"
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

// A template given on the command line writes {hex} and {r.x} in the user's hexadecimal style.
HexStyle userHexStyle()
{
    QSettings settings(UserSettings::file(), QSettings::IniFormat);
    return CopyPreferences::load(settings).hex;
}

struct OwnOptions
{
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")}};
    QCommandLineOption color{QStringLiteral("color"), {}, QStringLiteral("TEXT")};
    QCommandLineOption convert{QStringLiteral("convert"), {}, QStringLiteral("TEXT")};
    QCommandLineOption pick{QStringLiteral("pick")};
    QCommandLineOption copy{QStringLiteral("copy")};
    QCommandLineOption format{QStringLiteral("format"), {}, QStringLiteral("NAME")};
    QCommandLineOption templateText{QStringLiteral("template"), {}, QStringLiteral("TEXT")};
    QCommandLineOption listPalettes{QStringLiteral("list-palettes")};
    QCommandLineOption exportPalette{QStringLiteral("export-palette"), {}, QStringLiteral("NAME")};
    QCommandLineOption as{QStringLiteral("as"), {}, QStringLiteral("FORM")};
    QCommandLineOption importPalette{QStringLiteral("import-palette"), {}, QStringLiteral("FILE")};
    QCommandLineOption name{QStringLiteral("name"), {}, QStringLiteral("NAME")}; // Qt's own without a command
    const std::array<const QCommandLineOption *, 13> all = {&help, &version, &color, &convert, &pick, &copy, &format,
        &templateText, &listPalettes, &exportPalette, &as, &importPalette, &name};

    // The commands, what may go beside each, and whether it answers without a window system
    // (then Qt's options go beside it no more than others).
    struct Command
    {
        const QCommandLineOption *option;
        std::array<const QCommandLineOption *, 3> companions; // nullptr: none more
        bool windowless = true;
    };
    const Command commands[7] = {{&help, {}}, {&version, {}}, {&convert, {&format, &templateText}}, {&listPalettes, {}},
        {&exportPalette, {&as, &format, &templateText}}, {&importPalette, {&name}},
        {&pick, {&format, &templateText, &copy}, false}};

    explicit OwnOptions(QCommandLineParser &parser)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const QCommandLineOption *option : all)
            parser.addOption(*option);
    }

    const Command *command(const QCommandLineParser &parser) const
    {
        for (const Command &each : commands) {
            if (parser.isSet(*each.option))
                return &each;
        }
        return nullptr;
    }

    const Command *windowlessCommand(const QCommandLineParser &parser) const
    {
        const Command *given = command(parser);
        return given && given->windowless ? given : nullptr;
    }

    const QCommandLineOption *named(const QString &optionName) const
    {
        for (const QCommandLineOption *option : all) {
            if (option->names().contains(optionName))
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
        const Command *command = windowlessCommand(parser);
        if (command && !unknown.isEmpty() && qtOptionNamed(unknown.first()))
            return usageError(QCoreApplication::translate("CommandLine", "%1 does not go with %2.")
                                  .arg(QStringLiteral("-") + unknown.first(), longName(*command->option)));
        return usageError(parser.errorText());
    }

    // Each option once; beside a command nothing but what goes with it.
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
        const Command *chosen = command(parser);
        for (const QCommandLineOption *option : given) {
            if (chosen && option != chosen->option && !std::ranges::count(chosen->companions, option))
                return usageError(QCoreApplication::translate("CommandLine", "%1 does not go with %2.")
                                      .arg(longName(*option), longName(*chosen->option)));
        }
        return std::nullopt;
    }

    // An option given without the command it goes with.
    std::optional<CommandLineReply> withoutItsCommand(const QCommandLineParser &parser) const
    {
        const bool writes = parser.isSet(convert) || parser.isSet(exportPalette) || parser.isSet(pick);
        const std::pair<const QCommandLineOption *, const char *> needs[] = {
            {&format,
                writes ? nullptr
                       : QT_TRANSLATE_NOOP("CommandLine", "--format goes with --convert, --pick or --export-palette.")},
            {&templateText,
                writes
                    ? nullptr
                    : QT_TRANSLATE_NOOP("CommandLine", "--template goes with --convert, --pick or --export-palette.")},
            {&copy, parser.isSet(pick) ? nullptr : QT_TRANSLATE_NOOP("CommandLine", "--copy goes with --pick.")},
            {&as,
                parser.isSet(exportPalette) ? nullptr
                                            : QT_TRANSLATE_NOOP("CommandLine", "--as goes with --export-palette.")},
        };
        for (const auto &[option, refusal] : needs) {
            if (refusal && parser.isSet(*option))
                return usageError(translated(refusal));
        }
        return std::nullopt;
    }

    // The commands that need no window, and a refused --color, --format or --template.
    std::optional<CommandLineReply> replyWithoutWindow(const QCommandLineParser &parser) const
    {
        if (parser.isSet(help))
            return CommandLineReply::output(translated(helpText));
        if (parser.isSet(version))
            return CommandLineReply::output(QStringLiteral("Rusket " RUSKET_VERSION "\n"));
        if (std::optional<CommandLineReply> refusal = withoutItsCommand(parser))
            return refusal;
        std::optional<CssFormat> chosen;
        if (parser.isSet(format)) {
            chosen = CssFormats::named(parser.value(format));
            if (!chosen)
                return usageError(
                    QCoreApplication::translate("CommandLine", "unknown format '%1'.").arg(parser.value(format)));
        }
        if (std::optional<CommandLineReply> refusal = refusedTemplate(parser))
            return refusal;
        const ColorWriting writing{
            chosen, parser.value(templateText), parser.isSet(templateText) ? userHexStyle() : HexStyle{}};
        if (parser.isSet(convert))
            return converted(parser.value(convert), writing);
        if (std::optional<CommandLineReply> reply = paletteReply(parser, writing))
            return reply;
        if (parser.isSet(color)) {
            const CssReading reading = readCssColor(parser.value(color));
            if (!reading.ok)
                return refused(2, QT_TRANSLATE_NOOP("CommandLine", "rusket: --color: %1\n"), reading.reason);
        }
        return std::nullopt;
    }

    // A template with a placeholder Rusket does not know, one that writes nothing, one that
    // would break the one line each color gets, or one beside a form that takes none.
    std::optional<CommandLineReply> refusedTemplate(const QCommandLineParser &parser) const
    {
        if (!parser.isSet(templateText))
            return std::nullopt;
        const QString text = parser.value(templateText);
        const char *refusal = nullptr;
        if (parser.isSet(format))
            return usageError(QCoreApplication::translate("CommandLine", "%1 does not go with %2.")
                                  .arg(longName(format), longName(templateText)));
        if (text.isEmpty())
            refusal = QT_TRANSLATE_NOOP("CommandLine", "--template needs a text.");
        else if (parser.isSet(exportPalette) && !QStringList{"css", "tailwind", "lines"}.contains(parser.value(as)))
            refusal = QT_TRANSLATE_NOOP("CommandLine", "--template goes with --as css, tailwind or lines.");
        else if ((parser.value(convert) == u'-' || parser.value(as) == QLatin1String("lines"))
            && (text.contains(u'\n') || text.contains(u'\r')))
            refusal
                = QT_TRANSLATE_NOOP("CommandLine", "--template cannot hold a line break where each color is one line.");
        if (refusal)
            return usageError(translated(refusal));
        const ColorTemplate::Result tried = ColorTemplate::expand(text, {});
        if (!tried.ok())
            return usageError(QStringLiteral("--template: ") + tried.error);
        return std::nullopt;
    }

    // The palette commands read and write the user's palettes once, when the answer is given.
    std::optional<CommandLineReply> paletteReply(const QCommandLineParser &parser, const ColorWriting &writing) const
    {
        const auto deferred = [](std::function<CommandLineReply(PaletteStore &)> work) {
            CommandLineReply reply;
            reply.deferred = [work] {
                PaletteStore store(PaletteStore::defaultFolder());
                return work(store);
            };
            return reply;
        };
        if (parser.isSet(listPalettes))
            return deferred(&PaletteCommands::list);
        if (parser.isSet(exportPalette)) {
            const std::optional<PaletteForm> form = PaletteExport::named(parser.value(as));
            if (!form)
                return usageError(QCoreApplication::translate(
                    "CommandLine", "--export-palette needs --as css, tailwind, tokens, gpl or lines."));
            return deferred([name = parser.value(exportPalette), form, writing](PaletteStore &store) {
                return PaletteCommands::exportPalette(store, name, *form, writing);
            });
        }
        if (parser.isSet(importPalette))
            return deferred([path = parser.value(importPalette), name = parser.value(name)](
                                PaletteStore &store) { return PaletteCommands::importPalette(store, path, name); });
        return std::nullopt;
    }

    static CommandLineReply converted(const QString &text, const ColorWriting &writing)
    {
        if (text == u'-') {
            CommandLineReply reply;
            reply.convertStandardInput = true;
            reply.writing = writing;
            return reply;
        }
        const CssReading reading = readCssColor(text);
        if (!reading.ok)
            return refused(1, QT_TRANSLATE_NOOP("CommandLine", "rusket: %1\n"), reading.reason);
        return CommandLineReply::output(Conversion::allFormats(reading.bytes, writing));
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

std::optional<PickRequest> pickRequest(const QStringList &arguments)
{
    QCommandLineParser parser;
    const OwnOptions own(parser);
    parser.parse(arguments);
    if (!parser.isSet(own.pick))
        return std::nullopt;
    return PickRequest{{CssFormats::named(parser.value(own.format)), parser.value(own.templateText), userHexStyle()},
        parser.isSet(own.copy)};
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
