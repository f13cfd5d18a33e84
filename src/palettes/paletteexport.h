// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "copying/hexstyle.h"
#include "css/cssformats.h"
#include "palettes/userpalette.h"

#include <QString>
#include <array>
#include <optional>

// The forms a palette is written in for a stylesheet or another program.
enum class PaletteForm { Css, Tailwind, Tokens, Gpl, Lines };

// Each colour is written in the CSS format the user chose, by CssFormats::write (design tokens
// take its colour space); the name format writes hex for a colour that has no CSS name. A colour's name in a stylesheet
// is its own name or, for one without, the palette's name and its place ("Brand 3"), made a valid CSS identifier: ASCII
// letters in lower case, letters and digits of any script and '_' kept, every other run of characters one '-' between
// them; a name taken before gets "-2", "-3", ....
namespace PaletteExport {

inline constexpr std::array<PaletteForm, 5> all
    = {PaletteForm::Css, PaletteForm::Tailwind, PaletteForm::Tokens, PaletteForm::Gpl, PaletteForm::Lines};

/// The form's name on the command line: css, tailwind, tokens, gpl, lines.
const char *nameOf(PaletteForm form);
std::optional<PaletteForm> named(QStringView name);

/// The palette in the form:
/// - css: custom properties, `:root {` then `  --brand-500: #ff8000;` a line, then `}`;
/// - tailwind: a Tailwind v4 theme, `@theme {` then `  --color-brand-500: #ff8000;` a line
///   (no second "color-" for a name that has it), then `}`;
/// - tokens: a W3C Design Tokens Community Group file, one token a colour under its name (no
///   leading '$', no '{', '}' or '.'), `"$type": "color"` and a `$value` object with the
///   `colorSpace` of the chosen format (srgb, from 0 to 1, for hex, rgb and name), the colour's
///   `components` there with the fewest decimals that convert back to the same bytes without
///   any gamut mapping, `alpha` 1 and the `hex` fallback;
/// - gpl: the GIMP palette file (the format plays no part);
/// - lines: one colour a line, nothing else.
/// Every form ends with a line end.
/// With a template (checked by the caller), each colour's value in css, tailwind and lines is
/// the template filled in for it, its name for {name}; tokens and gpl do not take one.
QString write(const UserPalette &palette, PaletteForm form, CssFormat format, const QString &templateText = {},
    const HexStyle &hex = {});

} // namespace PaletteExport
