// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <optional>
#include <string_view>

// The named colours of CSS: the standard set of 148, whatever the user's names file holds.
namespace NamedColors {

/// The colour of a CSS name, in any case; nothing for a name CSS does not know.
std::optional<Rgb> find(std::string_view name);

/// The colour's first CSS name in alphabetical order, or an empty view.
std::string_view firstNameOf(Rgb color);

} // namespace NamedColors
