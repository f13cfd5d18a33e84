// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/gplformat.h"

// Colours brought in from a file: a GIMP palette, or a text with CSS colours.
//
// A text is read as a stylesheet when it holds a '{': then each custom-property declaration
// whose value is a colour gives a colour named after the property (`--brand-500: #ff8000;`
// gives brand-500), and everything else (selectors, at-rules, braces, comments, other
// declarations, custom properties that are no colour) is passed over without complaint.
// Otherwise each line (or each part of it between ';') is one colour, anything the CSS
// reader accepts, with an optional name before a ':' (`brand: oklch(0.7 0.2 50)`,
// `--brand-500: #ff8000;`), and a line that is no colour is reported with its number.
// Comments (/* */) and "!important" are passed over in both.
namespace PaletteImport {

/// Reads the data; the palette is named after the file (or by its Name: line), and is refused
/// when the data is binary or holds no colour at all.
GplReading read(const QByteArray &data, const QString &fileName);

/// Reads a file of at most PaletteFiles::largestFile bytes.
GplReading readFile(const QString &path);

} // namespace PaletteImport
