// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "tables/fieldreader.h"
#include "tables/loaderror.h"
#include "values/rgb.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The colour names table: names and their colours in file order, read once at start-up.
class ColorNameTable
{
public:
    struct Entry
    {
        Rgb color;
        QString name; // exactly as read, case and blanks kept
    };

    static constexpr int capacity = 10001;

    /// Reads a names file; on failure the table is left as it was.
    std::optional<LoadError> load(const QString &path);

    /// Reads the records of a names file from a reader; `fileName` only names it in errors.
    std::optional<LoadError> read(FieldReader &reader, const QString &fileName);

    /// The colour of the first entry whose name equals the text, case and blanks ignored on
    /// both sides. Leaves `color` untouched and returns false when no entry matches.
    bool findColorByName(const QString &name, Rgb &color) const;

    /// The names of every entry of exactly this colour, in file order.
    QStringList findNamesByColor(Rgb color) const;

    /// The names after the first, up to the first empty one, joined by ",".
    static QString joinFurtherNames(const QStringList &names);

    const QList<Entry> &entries() const { return rows; }

private:
    QList<Entry> rows;
};
