// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "tables/loaderror.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

// The files palettes live in: read with a bound, written whole or not at all, and named safely.
namespace PaletteFiles {

/// The largest file read as a palette or imported; a palette of 100,000 colours takes 3 MB.
inline constexpr qint64 largestFile = 8 * 1024 * 1024;

/// The whole file, unless it is larger than `largestFile`, or a folder, device or pipe, which
/// are refused without reading (a pipe would wait for a writer forever).
std::optional<LoadError> read(const QString &path, QByteArray *data);

/// Replaces the file's content at once (QSaveFile: a new file, then a rename), so that a crash
/// or a kill at any moment leaves either the old file or the new one, never a torn one.
std::optional<LoadError> write(const QString &path, const QByteArray &data);

/// A file name for a palette: its letters and digits, in lower case, every other run of
/// characters one '-', at most 48 characters, ".gpl"; "-2", "-3", ... before the extension
/// while the name is among `taken` (compared case-insensitively, for file systems that do).
/// Never a path, never hidden, never ".."; the same name and `taken` give the same file name.
QString fileNameFor(const QString &paletteName, const QStringList &taken);

} // namespace PaletteFiles
