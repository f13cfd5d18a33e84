// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QLocale>
#include <QString>
#include <array>

// Every text view of one colour, as the synchroniser writes them.
struct NotationTexts
{
    std::array<QString, 3> byte;
    std::array<QString, 3> percent;
    std::array<QString, 3> hex;
    QString byteShow;
    QString percentShow;
    QString hexShow;

    /// The texts of a colour; the combined texts are built from the field texts.
    static NotationTexts of(Rgb color, const QLocale &locale);
};
