// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "css/cssformats.h"

#include <QString>
#include <cstdio>
#include <optional>

// Converting colors as the command line does, without a window.
namespace Conversion {

/// Every format of the color, one per line, each labelled with its format's name; or, with a
/// format, only that format's text and a newline.
QString allFormats(Rgb color, std::optional<CssFormat> format);

/// Reads one color a line from `in` and writes exactly one line for each to `out`: its text
/// in the format (every format, labelled, without one), an empty line for a blank line, or an
/// empty line for a text that is no color, whose reason goes to `errors` as "line N: ...".
/// A line ends at LF, CR LF or a lone CR; a UTF-8 byte order mark is passed over, and UTF-16
/// input is refused. Each answer is written before more input is waited for. Exit status 0
/// when every line was read, 1 when any was refused or the input could not be read or the
/// output could not be written.
int convertLines(std::FILE *in, std::FILE *out, std::FILE *errors, std::optional<CssFormat> format);

/// Flushes `out`; where that fails, says why on `errors` and gives false.
bool flushed(std::FILE *out, std::FILE *errors);

/// A reason for a terminal: a word longer than about 60 characters (the quoted text of a
/// long line) is cut with an ellipsis, and control characters are shown as \xHH.
QString readableReason(const QString &reason);

} // namespace Conversion
