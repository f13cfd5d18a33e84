// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/palettestore.h"

#include <QObject>
#include <QSet>
#include <functional>

class QFileSystemWatcher;
class QTimer;
class Toolkit;

// The palettes the user keeps, as this running Rusket sees them: read when they are first needed
// (never while the program starts), then watched, so that what another program or another
// Rusket changes comes in; every change is saved at once. What cannot be read or saved is told
// once (the store reports a file's problems once for each content), in one message, after the
// views have followed; nothing is written over or lost.
class PaletteLibrary : public QObject
{
    Q_OBJECT

public:
    PaletteLibrary(Toolkit &toolkit, const QString &folder, QObject *parent = nullptr);

    /// Reads the folder the first time; later calls do nothing.
    void load();
    bool isLoaded() const { return loaded; }
    /// The ids, History first (see PaletteStore::ids).
    QStringList ids();
    /// The palette as it is now, or nullptr; valid until the library next changes.
    const UserPalette *palette(const QString &id);
    /// The name the window shows: History's in the user's language.
    QString shownName(const QString &id);

    /// Changes the palette and saves it; false, once the user is told why, when it was not saved
    /// (`quietly`: unless the same reason was told before).
    bool change(const QString &id, const std::function<void(UserPalette &)> &edit, bool quietly = false);
    /// Adds the colours before `row` (at the end for -1), each unless the palette holds it under
    /// the same name already or, for one without a name, at all. The row of the first colour.
    int add(const QString &id, const QList<PaletteEntry> &entries, int row = -1);
    /// Puts the colour first in History.
    void record(Rgb color);
    /// Creates the palette, under its name or the first "name 2", "name 3", ... that is free; its
    /// id, or an empty text when it could not be written.
    QString create(UserPalette palette);
    bool remove(const QString &id);

    /// Where "Add to Palette" adds: the palette chosen last (remembered in the user's settings),
    /// else the first besides History; empty when there is none.
    QString chosen();
    void choose(const QString &id);

    /// Tells the problems under the introduction, in one message with any others, once the event
    /// that found them is over.
    void report(const QString &intro, const QList<LoadError> &problems);
    /// From now on, as the program ends, tells on standard error instead, at once.
    void tellOnStandardError();

signals:
    void changed();

private:
    void reload();
    void watchFiles();
    bool saved(const std::optional<LoadError> &error, bool onceOnly = false);
    void tell();

    Toolkit &toolkit;
    PaletteStore store;
    bool loaded = false;
    QFileSystemWatcher *watcher = nullptr;
    QTimer *settle = nullptr; // one reload for a burst of changes
    QSet<QString> toldSaving; // History's save problems told already
    QStringList untold; // paragraphs of the next message
    bool telling = false; // a message is open
    bool ending = false;
};
