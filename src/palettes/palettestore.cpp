// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettes/palettestore.h"

#include "palettes/gplformat.h"
#include "palettes/history.h"
#include "palettes/palettefiles.h"
#include "palettes/palettemerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

constexpr int lockWait = 2000; // ms; a writer holds the lock for a few

UserPalette emptyHistory()
{
    UserPalette history;
    history.name = QLatin1String(History::paletteName);
    return history;
}

// Problems with a palette rather than with a file carry the palette's name where the file goes.
LoadError paletteProblem(const QString &name, const char *what)
{
    return {u'"' + name + u'"', 0, QCoreApplication::translate("Palettes", what)};
}

// Holds a lock on the folder's lock file while the store reads, merges and writes, so that
// two running copies take turns. The system lets go of it when the process ends, however it
// ends. When the lock cannot be had in time (a copy that hangs), the save goes ahead: the
// merge still keeps what it read, and a kept colour matters more than a perfect interleaving.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder)
    {
#ifdef Q_OS_UNIX
        handle = ::open(QFile::encodeName(folder + QStringLiteral("/.rusket-lock")).constData(),
            O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        for (int waited = 0; handle >= 0 && ::flock(handle, LOCK_EX | LOCK_NB) != 0 && waited < lockWait; waited += 5)
            QThread::msleep(5);
#endif
    }
    ~FolderLock()
    {
        if (handle >= 0)
            ::close(handle); // lets go of the lock
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    int handle = -1;
};

} // namespace

QString PaletteStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/palettes");
}

PaletteStore::PaletteStore(QString folder)
    : root(std::move(folder))
{
    stored.insert(QLatin1String(historyId), {emptyHistory(), emptyHistory(), {}, false});
}

QString PaletteStore::pathOf(const QString &id) const
{
    return root + u'/' + id;
}

PaletteStore::Reload PaletteStore::reload()
{
    Reload result;
    const QStringList files
        = QDir(root).entryList({QStringLiteral("*.gpl")}, QDir::Files | QDir::System | QDir::CaseSensitive, QDir::Name);
    for (const QString &id : files)
        readFile(id, result);
    forgetVanished(files, result);
    return result;
}

void PaletteStore::reportOnce(const QString &id, const LoadError &problem, Reload &reload)
{
    if (reported.value(id) != problem.what)
        reload.problems.append(problem);
    reported.insert(id, problem.what);
}

void PaletteStore::readFile(const QString &id, Reload &reload)
{
    QByteArray data;
    if (const std::optional<LoadError> error = PaletteFiles::read(pathOf(id), &data)) {
        reportOnce(id, *error, reload);
        return;
    }
    const auto known = stored.find(id);
    if (known != stored.end() && known->onDisk && known->disk == data)
        return;
    GplReading reading = GplFormat::read(data, id);
    if (!reading.palette) {
        reportOnce(id, reading.problems.constFirst(), reload);
        return;
    }
    reported.remove(id);
    reload.problems += reading.problems;
    reload.changed = true;
    if (known == stored.end())
        stored.insert(id, {*reading.palette, *reading.palette, data, true});
    else
        takeTheirs(*known, id, *reading.palette, data);
}

// Files gone from the folder take their palettes along, unless a change to one is not saved
// yet: that palette stays, and its next save writes the file again.
void PaletteStore::forgetVanished(const QStringList &present, Reload &reload)
{
    for (auto it = stored.begin(); it != stored.end();) {
        if (!it->onDisk || present.contains(it.key())) {
            ++it;
            continue;
        }
        it->onDisk = false;
        reload.changed = true;
        if (it->current != it->known) {
            ++it;
        } else if (it.key() == QLatin1String(historyId)) {
            it->known = it->current = emptyHistory();
            ++it;
        } else {
            it = stored.erase(it);
        }
    }
}

void PaletteStore::takeTheirs(
    Stored &palette, const QString &id, const UserPalette &theirs, const QByteArray &disk) const
{
    palette.current = mergePalettes(palette.known, palette.current, theirs);
    if (id == QLatin1String(historyId))
        History::tidy(palette.current);
    palette.known = theirs;
    palette.disk = disk;
    palette.onDisk = true;
}

QStringList PaletteStore::ids() const
{
    QStringList ids = stored.keys();
    const auto before = [this](const QString &a, const QString &b) {
        const auto rank = [](const QString &id) { return id == QLatin1String(historyId) ? 0 : 1; };
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        const int byName = stored.value(a).current.name.compare(stored.value(b).current.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a < b;
    };
    std::sort(ids.begin(), ids.end(), before);
    return ids;
}

const UserPalette *PaletteStore::palette(const QString &id) const
{
    const auto found = stored.find(id);
    return found == stored.end() ? nullptr : &found->current;
}

QString PaletteStore::idOf(const QString &name) const
{
    for (const QString &id : ids()) {
        if (stored.value(id).current.name == name)
            return id;
    }
    return {};
}

QString PaletteStore::unusedName(const QString &name) const
{
    QString unused = name;
    for (int n = 2; !idOf(unused).isEmpty(); ++n)
        unused = name + u' ' + QString::number(n);
    return unused;
}

std::optional<LoadError> PaletteStore::checkName(const QString &id, const QString &name) const
{
    if (name.isEmpty())
        return paletteProblem(name, QT_TRANSLATE_NOOP("Palettes", "a palette needs a name"));
    const QString holder = idOf(name);
    if (!holder.isEmpty() && holder != id)
        return paletteProblem(name, QT_TRANSLATE_NOOP("Palettes", "another palette already has this name"));
    return std::nullopt;
}

std::optional<LoadError> PaletteStore::save(const QString &id, const UserPalette &changed)
{
    const auto found = stored.find(id);
    if (found == stored.end())
        return paletteProblem(changed.name, QT_TRANSLATE_NOOP("Palettes", "there is no such palette"));
    Stored &palette = *found;
    const UserPalette mine = GplFormat::cleaned(changed);
    if (std::optional<LoadError> error = checkName(id, mine.name))
        return error;
    if (mine == palette.current && palette.current == palette.known)
        return std::nullopt;
    palette.current = mine;

    QDir().mkpath(root);
    const FolderLock lock(root);
    const QString path = pathOf(id);
    if (QFileInfo::exists(path)) {
        QByteArray disk;
        if (std::optional<LoadError> error = PaletteFiles::read(path, &disk))
            return error;
        if (!palette.onDisk || disk != palette.disk) {
            const GplReading reading = GplFormat::read(disk, id);
            if (!reading.palette)
                return reading.problems.constFirst(); // never written over
            takeTheirs(palette, id, *reading.palette, disk);
        }
    } else {
        palette.onDisk = false; // deleted elsewhere: this change brings it back
    }

    const QByteArray bytes = GplFormat::write(palette.current);
    if (!palette.onDisk || bytes != palette.disk) {
        if (std::optional<LoadError> error = PaletteFiles::write(path, bytes))
            return error;
    }
    palette.known = palette.current;
    palette.disk = bytes;
    palette.onDisk = true;
    return std::nullopt;
}

QStringList PaletteStore::unsaved() const
{
    QStringList ids;
    for (auto palette = stored.cbegin(); palette != stored.cend(); ++palette) {
        if (palette->current != palette->known)
            ids.append(palette.key());
    }
    return ids;
}

std::optional<LoadError> PaletteStore::create(const UserPalette &palette, QString *id)
{
    const UserPalette created = GplFormat::cleaned(palette);
    if (std::optional<LoadError> error = checkName({}, created.name))
        return error;
    QDir().mkpath(root);
    const FolderLock lock(root);
    const QStringList taken = QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::System) + stored.keys();
    const QString fileName = PaletteFiles::fileNameFor(created.name, taken);
    const QByteArray bytes = GplFormat::write(created);
    if (std::optional<LoadError> error = PaletteFiles::write(pathOf(fileName), bytes))
        return error;
    stored.insert(fileName, {created, created, bytes, true});
    if (id)
        *id = fileName;
    return std::nullopt;
}

std::optional<LoadError> PaletteStore::remove(const QString &id)
{
    const auto found = stored.find(id);
    if (found == stored.end())
        return paletteProblem(id, QT_TRANSLATE_NOOP("Palettes", "there is no such palette"));
    QFile file(pathOf(id));
    if (file.exists() && !file.remove())
        return LoadError{
            id, 0, QCoreApplication::translate("Palettes", "cannot be deleted (%1)").arg(file.errorString())};
    if (id == QLatin1String(historyId))
        *found = {emptyHistory(), emptyHistory(), {}, false};
    else
        stored.erase(found);
    return std::nullopt;
}
