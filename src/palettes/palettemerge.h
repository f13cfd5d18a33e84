// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/userpalette.h"

/// Three-way merge of a palette that two writers changed from one version: `base` is the
/// version both started from (the file as last read or written), `mine` the palette as
/// changed here, `theirs` the file as another program or another running Rusket left it.
///
/// An entry is identified by its colour (the second entry of a colour is another one than the
/// first). Taken from both sides:
/// - a colour either side added is kept (both adding the same one keep it once);
/// - a colour either side removed is gone;
/// - a colour's name is mine where I renamed or added it, else theirs;
/// - the order is mine when I reordered the colours both sides still have, else theirs; the
///   colours the other side added go where they were added: first when they led, last when
///   they came last, else right after the colour they followed;
/// - the palette's name, columns and comments are mine where I changed them, else theirs.
/// When only one side changed anything, the result is exactly that side.
UserPalette mergePalettes(const UserPalette &base, const UserPalette &mine, const UserPalette &theirs);
