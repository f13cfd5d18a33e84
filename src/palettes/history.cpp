// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettes/history.h"

#include "palettes/palettestore.h"

#include <QCoreApplication>
#include <QSet>

namespace History {

QString shownName()
{
    return QCoreApplication::translate("History", "History");
}

void record(UserPalette &history, Rgb color)
{
    PaletteEntry entry{color, {}};
    for (qsizetype i = 0; i < history.entries.size(); ++i) {
        if (history.entries.at(i).color == color) {
            entry = history.entries.takeAt(i);
            break;
        }
    }
    history.entries.prepend(entry);
    tidy(history);
}

std::optional<LoadError> recordIn(PaletteStore &store, Rgb color)
{
    store.reload();
    UserPalette history = *store.palette(QLatin1String(PaletteStore::historyId));
    record(history, color);
    return store.save(QLatin1String(PaletteStore::historyId), history);
}

void tidy(UserPalette &history)
{
    QSet<quint32> seen;
    QList<PaletteEntry> kept;
    for (const PaletteEntry &entry : std::as_const(history.entries)) {
        if (kept.size() == capacity)
            break;
        if (!seen.contains(entry.color.packed())) {
            seen.insert(entry.color.packed());
            kept.append(entry);
        }
    }
    history.entries = kept;
}

QList<PaletteEntry> clear(UserPalette &history)
{
    return std::exchange(history.entries, {});
}

void restore(UserPalette &history, const QList<PaletteEntry> &cleared)
{
    history.entries += cleared;
    tidy(history);
}

} // namespace History
