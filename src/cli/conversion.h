// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "css/cssformats.h"

#include <QString>
#include <cstdio>
#include <optional>

// Converting colours as the command line does, without a window.
namespace Conversion {

/// Every format of the colour, one per line, each labelled with its format's name; or, with a
/// format, only that format's text and a newline.
QString allFormats(Rgb color, std::optional<CssFormat> format);

/// Reads one colour a line from `in` and writes exactly one line for each to `out`: its
/// text in the format (every format, labelled, without one), or an empty line for a text that
/// is no colour, whose reason goes to `errors` as "line N: ...". Exit status 0 when every line
/// was read, 1 when any was refused or the output could not be written.
int convertLines(std::FILE *in, std::FILE *out, std::FILE *errors, std::optional<CssFormat> format);

/// Flushes `out`; where that fails, says why on `errors` and gives false.
bool flushed(std::FILE *out, std::FILE *errors);

} // namespace Conversion
