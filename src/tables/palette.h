// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "tables/fieldreader.h"
#include "tables/loaderror.h"
#include "values/rgb.h"

#include <QList>
#include <QString>
#include <optional>

// A fixed palette: its colours in file order, which is also the order that decides ties.
class Palette
{
public:
    Palette() = default;
    explicit Palette(QList<Rgb> colors)
        : members(std::move(colors))
    { }

    /// Reads exactly `count` colours (three numbers each) from a palette file; anything
    /// after them is never read. On failure the palette is left as it was.
    std::optional<LoadError> load(const QString &path, int count);

    /// Reads `count` colours from a reader; `fileName` only names it in errors.
    std::optional<LoadError> read(FieldReader &reader, int count, const QString &fileName);

    bool contains(Rgb color) const;

    /// The member nearest to the colour by city-block distance, the earliest on ties.
    /// Components may lie outside 0..255 (they come from typed text).
    Rgb nearest(int red, int green, int blue) const;

    const QList<Rgb> &colors() const { return members; }

private:
    QList<Rgb> members;
};
