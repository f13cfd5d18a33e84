// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/userpalette.h"
#include "tables/loaderror.h"

#include <optional>

class PaletteStore;

// The palette of the colours the user took in or gave out, the most recent first, each once.
namespace History {

inline constexpr int capacity = 50;
inline constexpr char fileName[] = "history.gpl";
inline constexpr char paletteName[] = "History"; // as the file names it; a window may translate it

/// The name the user sees, in the user's language; the command line takes it as well as the file's.
QString shownName();

/// Puts the colour first: an entry of that colour moves there with its name, else a new one
/// comes in; past `capacity` the oldest drops off.
void record(UserPalette &history, Rgb color);

/// Reads the store's files again, records the colour in its History and saves it; why it could
/// not be saved, or nothing.
std::optional<LoadError> recordIn(PaletteStore &store, Rgb color);

/// Keeps the first entry of each colour and the first `capacity` entries, as after a merge.
void tidy(UserPalette &history);

/// Empties the history and returns what it held, for an undo.
QList<PaletteEntry> clear(UserPalette &history);

/// Undoes a clear: the colours recorded since stay first, the cleared ones follow them.
void restore(UserPalette &history, const QList<PaletteEntry> &cleared);

} // namespace History
