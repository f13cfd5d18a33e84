// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettewindow/palettelibrary.h"

#include "palettes/history.h"
#include "tables/usersettings.h"
#include "window/toolkit.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemWatcher>
#include <QScopedValueRollback>
#include <QSettings>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int settleTime = 150; // ms: a program saving a file touches it more than once
constexpr int toldLines = 10; // a message lists at most these problems, and counts the rest
const QString chosenKey = QStringLiteral("palettes/chosen");
const QString historyId = QLatin1String(PaletteStore::historyId);

// A colour without a name is held by any entry of that colour, one with a name by one of both.
bool holds(const PaletteEntry &held, const PaletteEntry &entry)
{
    return held.color == entry.color && (entry.name.isEmpty() || held.name == entry.name);
}

qsizetype rowHolding(const UserPalette &palette, const PaletteEntry &entry)
{
    const auto found = std::find_if(palette.entries.begin(), palette.entries.end(),
        [&entry](const PaletteEntry &held) { return holds(held, entry); });
    return found == palette.entries.end() ? -1 : found - palette.entries.begin();
}

} // namespace

PaletteLibrary::PaletteLibrary(Toolkit &toolkit, const QString &folder, QObject *parent)
    : QObject(parent)
    , toolkit(toolkit)
    , store(folder)
{ }

void PaletteLibrary::load()
{
    if (loaded)
        return;
    loaded = true;
    QDir().mkpath(store.folder()); // watched from now on
    watcher = new QFileSystemWatcher(this);
    settle = new QTimer(this);
    settle->setSingleShot(true);
    settle->setInterval(settleTime);
    connect(watcher, &QFileSystemWatcher::directoryChanged, settle, qOverload<>(&QTimer::start));
    connect(watcher, &QFileSystemWatcher::fileChanged, settle, qOverload<>(&QTimer::start));
    connect(settle, &QTimer::timeout, this, &PaletteLibrary::reload);
    reload();
}

void PaletteLibrary::reload()
{
    const PaletteStore::Reload read = store.reload();
    // A change that could not be saved, its file broken or out of reach, goes out once the file
    // takes it again, so that what the window shows is what the next start finds.
    for (const QString &id : store.unsaved())
        saved(store.save(id, *store.palette(id)), true);
    watchFiles();
    if (read.changed)
        emit changed();
    report(tr("Some palettes could not be read in full. Their files are left as they are:"), read.problems);
}

void PaletteLibrary::watchFiles()
{
    // A folder made anew, and each file: an editor may write a file in place.
    if (!watcher->directories().contains(store.folder()) && QDir(store.folder()).exists())
        watcher->addPath(store.folder());
    QStringList files;
    for (const QString &name : QDir(store.folder()).entryList({QStringLiteral("*.gpl")}, QDir::Files)) {
        if (const QString path = store.folder() + u'/' + name; !watcher->files().contains(path))
            files.append(path);
    }
    if (!files.isEmpty())
        watcher->addPaths(files);
}

QStringList PaletteLibrary::ids()
{
    load();
    return store.ids();
}

const UserPalette *PaletteLibrary::palette(const QString &id)
{
    load();
    return store.palette(id);
}

QString PaletteLibrary::shownName(const QString &id)
{
    if (id == historyId)
        return History::shownName();
    const UserPalette *shown = palette(id);
    return shown ? shown->name : QString();
}

bool PaletteLibrary::saved(const std::optional<LoadError> &error, bool onceOnly)
{
    if (error && !(onceOnly && toldSaving.contains(error->text())))
        report(tr("This change could not be saved:"), {*error});
    if (error && onceOnly)
        toldSaving.insert(error->text());
    return !error;
}

bool PaletteLibrary::change(const QString &id, const std::function<void(UserPalette &)> &edit, bool quietly)
{
    const UserPalette *current = palette(id);
    if (!current)
        return false;
    UserPalette changed = *current;
    edit(changed);
    const bool ok = saved(store.save(id, changed), quietly);
    watchFiles();
    emit this->changed(); // a change not saved is kept too
    return ok;
}

int PaletteLibrary::add(const QString &id, const QList<PaletteEntry> &entries, int row)
{
    change(id, [&](UserPalette &palette) {
        qsizetype at = row < 0 || row > palette.entries.size() ? palette.entries.size() : row;
        for (const PaletteEntry &entry : entries) {
            if (rowHolding(palette, entry) < 0)
                palette.entries.insert(at++, entry);
        }
    });
    const UserPalette *added = store.palette(id);
    return added && !entries.isEmpty() ? int(rowHolding(*added, entries.constFirst())) : -1;
}

void PaletteLibrary::record(Rgb color)
{
    // History is saved with every colour: a file that keeps refusing (a broken History, a full
    // disk) is told of once, not with each copy.
    change(
        historyId, [color](UserPalette &history) { History::record(history, color); }, true);
}

QString PaletteLibrary::create(UserPalette palette)
{
    load();
    palette.name = store.unusedName(palette.name);
    QString id;
    if (!saved(store.create(palette, &id)))
        return {};
    watchFiles();
    emit changed();
    return id;
}

bool PaletteLibrary::remove(const QString &id)
{
    load();
    if (!saved(store.remove(id)))
        return false;
    emit changed();
    return true;
}

QString PaletteLibrary::chosen()
{
    const QString remembered = QSettings(UserSettings::file(), QSettings::IniFormat).value(chosenKey).toString();
    const QStringList all = ids();
    if (remembered != historyId && all.contains(remembered))
        return remembered;
    return all.value(1); // History is always first
}

void PaletteLibrary::choose(const QString &id)
{
    if (id != historyId)
        QSettings(UserSettings::file(), QSettings::IniFormat).setValue(chosenKey, id);
}

void PaletteLibrary::report(const QString &intro, const QList<LoadError> &problems)
{
    QStringList lines;
    for (const LoadError &problem : problems)
        lines.append(problem.text());
    if (lines.isEmpty())
        return;
    if (lines.size() > toldLines) {
        const int more = int(lines.size()) - toldLines;
        lines = lines.mid(0, toldLines) << (more == 1 ? tr("... and 1 more.") : tr("... and %1 more.").arg(more));
    }
    untold.append(intro + u'\n' + lines.join(u'\n'));
    if (ending)
        tell();
    else if (untold.size() == 1 && !telling)
        QTimer::singleShot(0, this, &PaletteLibrary::tell);
}

void PaletteLibrary::tellOnStandardError()
{
    ending = true;
    tell();
}

void PaletteLibrary::tell()
{
    // Once the program ends no box is shown: what is left goes to standard error.
    if (ending) {
        for (const QString &paragraph : std::exchange(untold, {}))
            qWarning().noquote() << paragraph;
        return;
    }
    // A menu that is open, or a pick from the screen showing over everything, holds the keyboard:
    // a box now would take the key meant for them or hide under them. It is told once they let go.
    if (QWidget::keyboardGrabber() || QApplication::activePopupWidget())
        return QTimer::singleShot(100, this, &PaletteLibrary::tell);
    // What is found while a box is open is told in the next one, once this one is closed.
    const QScopedValueRollback busy(telling, true);
    while (!untold.isEmpty())
        toolkit.showMessage(std::exchange(untold, {}).join(QStringLiteral("\n\n")));
}
