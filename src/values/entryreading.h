// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/colorsource.h"

#include <QLocale>
#include <QString>
#include <array>
#include <string_view>

// Reading typed component texts and writing percentage texts. Byte texts always use "."
// as their point; percentage texts use the separator of the locale they are given.

/// Lenient reading of a byte field: blanks, tabs and line feeds are ignored anywhere,
/// "&H"/"&O" start a hex or octal number, otherwise the longest numeric beginning counts;
/// a text with none reads as 0. Overflowing numbers come back as +-infinity.
double readLenientDecimal(const QString &text);

/// A percentage text in the given locale. Text that is not a number as a whole is read by
/// its leading number; a text with no leading number at all reads as 0.
double readPercentText(const QString &text, const QLocale &locale);

/// A percentage as a component on the byte scale, in double precision (divide, then multiply).
double percentToComponent(double percent);

/// The single-precision value of a working number, as blue keeps it throughout.
double toSinglePrecision(double value);

/// Makes a number whole, halves to even. Values beyond the 16-bit range are clamped to its
/// ends so that the range check still reports them on the right side.
qint16 makeWhole(double value);

/// A component's single-precision percentage as text: at most 7 significant digits, no
/// trailing zeros, no exponent, the locale's decimal separator.
QString percentText(quint8 component, const QLocale &locale);

/// The whole part of a percentage text, read back in the locale and rounded down.
int wholePercent(const QString &percentText, const QLocale &locale);

/// The power of ten of the first significant digit of an unsigned decimal number's text,
/// [digits][.digits][E[sign]digits]. Asked of numbers beyond a double's range, it tells the
/// far too large (0 or more) from the far too small (below 0).
long long decimalOrder(std::string_view number);

/// The components a notation's three fields give, red, green, blue, on the byte scale and not
/// yet whole: bytes read leniently, percentages in the locale, hexadecimal by their first and
/// last digit. Blue is a single-precision value from the start; red and green are not.
std::array<double, 3> readComponents(ColorSource notation, const std::array<QString, 3> &texts, const QLocale &locale);
