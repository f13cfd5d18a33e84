// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "tables/colornametable.h"
#include "tables/loaderror.h"
#include "tables/palette.h"

#include <optional>

// The tables the window checks the colour against: the colour names and the two palettes.
struct ReferenceTables
{
    ColorNameTable names;
    Palette netscape; // the 216 web-safe colours
    Palette windows; // the 16 basic colours

    /// Reads the two palettes, then the names, from the program's data files; the first file
    /// that cannot be read stops it and is returned.
    std::optional<LoadError> load(const QString &programFolder);
};
