// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QString>
#include <QStringList>

// The sample page's four colours, as the export reads them.
struct SampleColors
{
    Rgb back;
    Rgb text;
    Rgb link;
    Rgb vlink;

    friend bool operator==(const SampleColors &, const SampleColors &) = default;
};

/// One line of CSS rules: body text and background, link, visited link.
QString cssText(const SampleColors &colors);

/// One HTML body start tag with the text, bgcolor, link and vlink attributes.
QString htmlText(const SampleColors &colors);

/// The contrast of one text colour of the page on its background, as one line:
/// "Link on background: 4.00:1 (AA large text only)".
QString contrastLine(const SampleColors &colors, Rgb SampleColors::*textPart);

/// The contrast lines of the text, the link and the visited link, in this order.
QStringList contrastLines(const SampleColors &colors);
