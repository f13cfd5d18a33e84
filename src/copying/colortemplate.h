// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "copying/hexstyle.h"

#include <QString>
#include <QStringList>

// A text with placeholders for a colour's values, written the way the user's code wants them:
// "Color({r}, {g}, {b})", "--brand: {oklch};", "UIColor(red: {r.f}, green: {g.f}, ...)".
// A placeholder is a brace, a name and a closing brace, where the name begins with a letter and
// holds letters, digits, '_', '-' and dots ({r.f}); one Rusket does not know is refused, never
// copied as it is. Any other brace is plain text, so a template may hold a CSS rule
// ("a { color: {hex}; }").
//   {r} {g} {b}          the bytes, 0 to 255; with .f a fraction 0 to 1, with .p a percentage,
//                        with .x two hexadecimal digits
//   {hex} {rgb} {hsl} {hwb} {lab} {lch} {oklab} {oklch} {display-p3}
//                        the colour in that CSS format, as Copy as writes it
//   {hsl.h} {oklch.l} …  one number of a format's text, without its unit
//   {name}               the colour's own name, or its CSS name, or nothing
// Every number is the shortest that reads back as exactly the same byte.
namespace ColorTemplate {

struct Result
{
    QString text;
    QString error; // why the template was refused, naming the placeholder; empty when it was not

    bool ok() const { return error.isEmpty(); }
};

/// The template filled in for the colour; `name` is the colour's own name, if it has one.
Result expand(const QString &templateText, Rgb color, const QString &name = {}, const HexStyle &hex = {});

/// Every placeholder a template may hold, in the order of the list above.
QStringList placeholders();

} // namespace ColorTemplate
