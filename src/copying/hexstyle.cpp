// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "copying/hexstyle.h"

QString HexStyle::write(Rgb color) const
{
    const char *digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    // #rgb stands for #rrggbb: a byte whose two digits are the same is written once.
    const bool shortened = shortForm && color.red % 17 == 0 && color.green % 17 == 0 && color.blue % 17 == 0;
    QString text = hash ? QStringLiteral("#") : QString();
    for (const quint8 byte : {color.red, color.green, color.blue}) {
        text += QLatin1Char(digits[byte >> 4]);
        if (!shortened)
            text += QLatin1Char(digits[byte & 15]);
    }
    return text;
}
