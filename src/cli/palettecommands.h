// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "cli/commandline.h"
#include "palettes/paletteexport.h"

class PaletteStore;

// The palettes on the command line: listed, exported to standard output, imported from a file.
// A file that is no palette, or a line that is no color, is reported as "rusket: FILE, line N:
// ..." and makes the status 1, as a refused line of --convert does.
namespace PaletteCommands {

/// One palette name a line, History first.
CommandLineReply list(PaletteStore &store);

/// The palette named `name` in the form, each color in the format (hex without one) or by the template.
CommandLineReply exportPalette(PaletteStore &store, const QString &name, PaletteForm form, const ColorWriting &writing);

/// The file's colors as a new palette, named `name` or, without one, as the file names it; a
/// name already taken gets " 2", " 3", ... after it. Says which name it took.
CommandLineReply importPalette(PaletteStore &store, const QString &path, const QString &name);

} // namespace PaletteCommands
