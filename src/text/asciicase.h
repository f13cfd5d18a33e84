// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

// CSS keywords and colour names compare ASCII case-insensitively: only A to Z fold, whatever
// the process locale says (a Turkish one folds I to a dotless i).
namespace AsciiCase {

constexpr char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

/// Whether the two texts are equal once A to Z are folded to a to z.
bool equal(std::string_view a, std::string_view b);

/// Whether `a` sorts before `b` once A to Z are folded to a to z.
bool less(std::string_view a, std::string_view b);

/// The text with A to Z folded to a to z and every other character kept.
QString lowered(QString text);

} // namespace AsciiCase
