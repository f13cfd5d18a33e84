// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/userpalette.h"
#include "tables/loaderror.h"

#include <QByteArray>
#include <QHash>
#include <optional>

// The palettes the user keeps: one GIMP palette file each in one folder, History among them
// (history.gpl). Each palette is known by its file name, its id, which stays when the palette
// is renamed; its name is in the file.
//
// Every change is saved at once: the file is read again, merged with the change (see
// mergePalettes) and written whole (QSaveFile), under a lock file that keeps two running
// copies from interleaving; nothing is written when the file would not change. A file that
// is no palette is reported and never written over. Another program's changes come in with
// reload(), which a window calls when the folder changes: it reads the files again and
// merges them with any change not yet saved. Nothing here waits on the user or the window.
class PaletteStore
{
public:
    struct Reload
    {
        bool changed = false; // a palette came, went or changed
        QList<LoadError> problems; // files that are no palette, lines that are no colour
    };

    static constexpr const char *historyId = "history.gpl";

    /// Rusket's folder of palettes: "palettes" in the user's data folder (AppDataLocation,
    /// which honours $XDG_DATA_HOME).
    static QString defaultFolder();

    /// A store over the folder, which is created with the first palette written; nothing is read yet.
    explicit PaletteStore(QString folder);

    const QString &folder() const { return root; }

    /// Reads the folder: at first everything, later each file that changed, merged with the
    /// changes not yet saved here. Files larger than PaletteFiles::largestFile, binary files,
    /// folders and pipes are reported and skipped; a problem is reported once per content of a file.
    Reload reload();

    /// The ids: History first, then the palettes by name (case-insensitively), then by id.
    QStringList ids() const;

    /// The palette with this id as it is now, or nullptr; valid until the store next changes.
    const UserPalette *palette(const QString &id) const;

    /// The id of the first palette (in ids() order) with exactly this name, or an empty text.
    QString idOf(const QString &name) const;

    /// The name, or the name with " 2", " 3", ... after it, that no palette has yet.
    QString unusedName(const QString &name) const;

    /// Saves the palette as changed (entries added, removed, renamed, moved; the palette
    /// renamed), merged with what the file holds now. On failure the change stays here,
    /// unsaved, and goes out with the next save.
    std::optional<LoadError> save(const QString &id, const UserPalette &changed);

    /// The palettes with a change not saved yet, to be saved again once their files allow it.
    QStringList unsaved() const;

    /// Writes a new palette under a file name of its own; `id` receives it.
    std::optional<LoadError> create(const UserPalette &palette, QString *id = nullptr);

    /// Deletes the palette's file and forgets the palette; for History, the file goes and
    /// History stays, empty, to go on recording. (An undo creates the palette again.)
    std::optional<LoadError> remove(const QString &id);

private:
    struct Stored
    {
        UserPalette known; // as the file held it when last read or written
        UserPalette current; // as it is here, with any change not yet saved
        QByteArray disk; // the file's content when last read or written
        bool onDisk = false;
    };

    QString pathOf(const QString &id) const;
    void reportOnce(const QString &id, const LoadError &problem, Reload &reload);
    void readFile(const QString &id, Reload &reload);
    void forgetVanished(const QStringList &present, Reload &reload);
    void takeTheirs(Stored &stored, const QString &id, const UserPalette &theirs, const QByteArray &disk) const;
    std::optional<LoadError> checkName(const QString &id, const QString &name) const;

    QString root;
    QHash<QString, Stored> stored;
    QHash<QString, QString> reported; // id: the problem last reported for a file that is no palette
};
