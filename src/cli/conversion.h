// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "copying/hexstyle.h"
#include "css/cssformats.h"

#include <QString>
#include <cstdio>
#include <optional>

// How the command line writes a color: in one format, by a template (its {hex} and {r.x} in
// the user's hexadecimal style), or, with neither, in every format, each labelled.
struct ColorWriting
{
    ColorWriting(std::optional<CssFormat> format = {}, QString templateText = {}, HexStyle hex = {})
        : format(format)
        , templateText(std::move(templateText))
        , hex(hex)
    { }

    std::optional<CssFormat> format;
    QString templateText; // a template checked before, used when not empty
    HexStyle hex;
};

// Converting colors as the command line does, without a window.
namespace Conversion {

/// Every format of the color, one per line, each labelled with its format's name; or, with a
/// format or a template, only that text and a newline.
QString allFormats(Rgb color, const ColorWriting &writing);

/// Reads one color a line from `in` and writes exactly one line for each to `out`: its text
/// in the format or by the template (every format, labelled, without either), an empty line for a blank line, or an
/// empty line for a text that is no color, whose reason goes to `errors` as "line N: ...".
/// A line ends at LF, CR LF or a lone CR; a UTF-8 byte order mark is passed over, and UTF-16
/// input is refused. Each answer is written before more input is waited for. Exit status 0
/// when every line was read, 1 when any was refused or the input could not be read or the
/// output could not be written.
int convertLines(std::FILE *in, std::FILE *out, std::FILE *errors, const ColorWriting &writing);

/// Flushes `out`; where that fails, says why on `errors` and gives false.
bool flushed(std::FILE *out, std::FILE *errors);

/// A reason for a terminal: a word longer than about 60 characters (the quoted text of a
/// long line) is cut with an ellipsis, and control characters are shown as \xHH.
QString readableReason(const QString &reason);

} // namespace Conversion
