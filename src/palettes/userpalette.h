// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QList>
#include <QString>
#include <QStringList>

// One colour the user kept, with the name given to it (empty when it has none).
struct PaletteEntry
{
    Rgb color;
    QString name;

    friend bool operator==(const PaletteEntry &, const PaletteEntry &) = default;
};

// A palette the user keeps: its name, its colours in their order, and what its file holds
// beside them (the column count other programs lay it out in, its comment lines).
struct UserPalette
{
    QString name;
    QList<PaletteEntry> entries;
    int columns = 0; // 0: as many as fit
    QStringList comments; // whole lines, each starting with '#'

    friend bool operator==(const UserPalette &, const UserPalette &) = default;
};
