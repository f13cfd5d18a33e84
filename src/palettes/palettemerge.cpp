// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettes/palettemerge.h"

#include <QHash>
#include <QSet>

namespace {

// A colour and how many entries of the same colour come before it.
using ColorKey = std::pair<quint32, int>;

struct Keyed
{
    QList<ColorKey> order;
    QSet<ColorKey> keys;
    QHash<ColorKey, QString> names;
};

Keyed keyed(const QList<PaletteEntry> &entries)
{
    Keyed keyed;
    QHash<quint32, int> seen;
    seen.reserve(entries.size());
    keyed.keys.reserve(entries.size());
    keyed.names.reserve(entries.size());
    for (const PaletteEntry &entry : entries) {
        const ColorKey key{entry.color.packed(), seen[entry.color.packed()]++};
        keyed.order.append(key);
        keyed.keys.insert(key);
        keyed.names.insert(key, entry.name);
    }
    return keyed;
}

// Whether the colours both hold come in another order in `changed` than in `base`.
bool reordered(const Keyed &base, const Keyed &changed)
{
    QList<ColorKey> before;
    QList<ColorKey> after;
    for (const ColorKey &key : base.order) {
        if (changed.keys.contains(key))
            before.append(key);
    }
    for (const ColorKey &key : changed.order) {
        if (base.keys.contains(key))
            after.append(key);
    }
    return before != after;
}

// The order of the kept colours: the leading side's, with what only the following side added
// where it was added there: first, behind the colour it followed, or last.
QList<ColorKey> mergedOrder(
    const QList<ColorKey> &leading, const QList<ColorKey> &following, const QSet<ColorKey> &kept)
{
    QSet<ColorKey> placed;
    for (const ColorKey &key : leading) {
        if (kept.contains(key))
            placed.insert(key);
    }
    QList<ColorKey> first;
    QHash<ColorKey, QList<ColorKey>> behind;
    QList<ColorKey> pending;
    const ColorKey *anchor = nullptr;
    for (const ColorKey &key : following) {
        if (placed.contains(key)) {
            (anchor ? behind[*anchor] : first) += std::exchange(pending, {});
            anchor = &key;
        } else if (kept.contains(key)) {
            pending.append(key);
        }
    }
    QList<ColorKey> order = first;
    for (const ColorKey &key : leading) {
        if (placed.contains(key))
            order += QList<ColorKey>{key} + behind.value(key);
    }
    return order + pending;
}

QList<PaletteEntry> mergeEntries(
    const QList<PaletteEntry> &base, const QList<PaletteEntry> &mine, const QList<PaletteEntry> &theirs)
{
    if (mine == base)
        return theirs;
    if (theirs == base)
        return mine;
    const Keyed baseKeys = keyed(base);
    const Keyed mineKeys = keyed(mine);
    const Keyed theirKeys = keyed(theirs);
    QSet<ColorKey> kept;
    for (const Keyed *side : {&mineKeys, &theirKeys}) {
        for (const ColorKey &key : side->order) {
            const bool inBoth = mineKeys.keys.contains(key) && theirKeys.keys.contains(key);
            if (inBoth || !baseKeys.keys.contains(key))
                kept.insert(key);
        }
    }
    const bool mineLead = reordered(baseKeys, mineKeys);
    QList<PaletteEntry> merged;
    for (const ColorKey &key :
        mergedOrder(mineLead ? mineKeys.order : theirKeys.order, mineLead ? theirKeys.order : mineKeys.order, kept)) {
        const bool mineRenamed = mineKeys.keys.contains(key)
            && (!baseKeys.keys.contains(key) || mineKeys.names.value(key) != baseKeys.names.value(key));
        const QString &name = mineRenamed || !theirKeys.keys.contains(key) ? mineKeys.names[key] : theirKeys.names[key];
        merged.append({Rgb::fromPacked(key.first), name});
    }
    return merged;
}

template <typename T> const T &mergeField(const T &base, const T &mine, const T &theirs)
{
    return mine != base ? mine : theirs;
}

} // namespace

UserPalette mergePalettes(const UserPalette &base, const UserPalette &mine, const UserPalette &theirs)
{
    UserPalette merged;
    merged.name = mergeField(base.name, mine.name, theirs.name);
    merged.entries = mergeEntries(base.entries, mine.entries, theirs.entries);
    merged.columns = mergeField(base.columns, mine.columns, theirs.columns);
    merged.comments = mergeField(base.comments, mine.comments, theirs.comments);
    return merged;
}
