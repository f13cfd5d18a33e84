// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/userpalette.h"
#include "tables/loaderror.h"

#include <QByteArray>
#include <optional>

// What reading a GIMP palette gave: the palette, or nothing when the data is no palette at all
// (the first problem then says why); and each line that could not be read, with its number.
struct GplReading
{
    std::optional<UserPalette> palette;
    QList<LoadError> problems;
};

// GIMP palette files (.gpl), which GIMP, Inkscape, Krita and many other programs share.
//
// The format as developer.gimp.org describes it ("GIMP Palette Format Version 2"): lines end
// with a line feed; the first line is exactly "GIMP Palette"; a second line "Name: " gives
// the palette's name in UTF-8 (spaces around it stripped; without it, the file's base name
// is the name); an optional "Columns: " line gives a display column count from 0 to 255 (0:
// as many as fit). Each further line is a comment when it starts with '#', ignored when
// empty, else a colour: three whole numbers from 0 to 255 (sRGB red, green, blue) separated
// by whitespace, then optionally the colour's name, which runs to the end of the line (UTF-8,
// spaces around it stripped).
//
// Reading is as forgiving as GIMP: CR LF line ends, tabs or several spaces between the
// numbers, names with spaces, blank lines with spaces in them, no Columns: line, and a
// Latin-1 file from an old program. A line that is no colour is reported and kept as a
// comment, so that saving the palette again loses none of its text; a line longer than
// `longestLine` is reported and dropped. Writing produces what GIMP itself writes: the
// header with Name: and Columns:, the comments, then "%3d %3d %3d" and a tab before a name.
namespace GplFormat {

inline constexpr int longestLine = 4096; // bytes; no colour line comes near it
inline constexpr int reportedLines = 10; // further unreadable lines are counted in one report

/// Whether the data starts as a GIMP palette does (its first line is "GIMP Palette").
bool isPalette(const QByteArray &data);

/// Reads a palette; `fileName` names it in reports and, without a Name: line, names it. What
/// is read is clean: written and read again, it comes back exactly.
GplReading read(const QByteArray &data, const QString &fileName);

/// The palette as a .gpl file, in UTF-8 with line feeds.
QByteArray write(const UserPalette &palette);

/// The text as one line of a file holds it: line breaks and other control characters become
/// spaces, and the spaces at either end go, as a reader would strip them.
QString cleanedText(const QString &text);

/// A comment as a file holds it: cleaned, and starting with '#'.
QString cleanedComment(const QString &comment);

/// The palette exactly as writing and reading it again gives it back: its texts cleaned, its
/// comments starting with '#', its columns from 0 to 255.
UserPalette cleaned(UserPalette palette);

} // namespace GplFormat
