#pragma once

#include "values/rgb.h"

#include <QString>

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
