// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/palettecommands.h"

#include "palettes/history.h"
#include "palettes/paletteimport.h"
#include "palettes/palettestore.h"

#include <QCoreApplication>

namespace PaletteCommands {
namespace {

QString reported(const QList<LoadError> &problems)
{
    QString text;
    for (const LoadError &problem : problems)
        text += QStringLiteral("rusket: ") + problem.text() + u'\n';
    return text;
}

CommandLineReply withProblems(CommandLineReply reply, const QList<LoadError> &problems)
{
    reply.standardError += reported(problems);
    if (!problems.isEmpty() && reply.exitStatus == 0)
        reply.exitStatus = 1;
    return reply;
}

} // namespace

CommandLineReply list(PaletteStore &store)
{
    const PaletteStore::Reload read = store.reload();
    QString names;
    for (const QString &id : store.ids()) // History by the name the window shows it by
        names += (id == QLatin1String(History::fileName) ? History::shownName() : store.palette(id)->name) + u'\n';
    return withProblems(CommandLineReply::output(names), read.problems);
}

CommandLineReply exportPalette(PaletteStore &store, const QString &name, PaletteForm form, const ColorWriting &writing)
{
    const PaletteStore::Reload read = store.reload();
    QString id = store.idOf(name);
    if (id.isEmpty() && name == History::shownName()) // the name the window shows, in the user's language
        id = QLatin1String(History::fileName);
    if (!store.palette(id))
        return withProblems(
            CommandLineReply::error(
                1, QCoreApplication::translate("CommandLine", "rusket: there is no palette named '%1'.\n").arg(name)),
            read.problems);
    return CommandLineReply::output(PaletteExport::write(
        *store.palette(id), form, writing.format.value_or(CssFormat::Hex), writing.templateText, writing.hex));
}

CommandLineReply importPalette(PaletteStore &store, const QString &path, const QString &name)
{
    GplReading reading = PaletteImport::readFile(path);
    if (!reading.palette)
        return withProblems(CommandLineReply::error(1, {}), reading.problems);
    store.reload();
    reading.palette->name = store.unusedName(name.isEmpty() ? reading.palette->name : name);
    if (const std::optional<LoadError> error = store.create(*reading.palette))
        return withProblems(CommandLineReply::error(1, {}), reading.problems + QList<LoadError>{*error});
    const qsizetype count = reading.palette->entries.size();
    const QString &taken = reading.palette->name;
    const QString done = count == 1
        ? QCoreApplication::translate("CommandLine", "Imported 1 color as the palette '%1'.\n").arg(taken)
        : QCoreApplication::translate("CommandLine", "Imported %1 colors as the palette '%2'.\n").arg(count).arg(taken);
    return withProblems(CommandLineReply::output(done), reading.problems);
}

} // namespace PaletteCommands
