// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "export/sampleexport.h"

#include "values/contrast.h"
#include "values/conversions.h"

namespace {

QString rgbFunction(Rgb c)
{
    return QStringLiteral("rgb(") + QString::number(c.red) + u',' + QString::number(c.green) + u','
        + QString::number(c.blue) + u')';
}

QString hexAttribute(const char *name, Rgb c)
{
    return u' ' + QLatin1String(name) + QStringLiteral("=\"#") + byteToHex(c.red) + byteToHex(c.green)
        + byteToHex(c.blue) + u'"';
}

} // namespace

QString cssText(const SampleColors &colors)
{
    return QStringLiteral("body { color: ") + rgbFunction(colors.text) + QStringLiteral("; background-color: ")
        + rgbFunction(colors.back) + QStringLiteral(" } a:link { color: ") + rgbFunction(colors.link)
        + QStringLiteral(" } a:visited { color: ") + rgbFunction(colors.vlink) + QStringLiteral(" }");
}

QString htmlText(const SampleColors &colors)
{
    return QStringLiteral("<body") + hexAttribute("text", colors.text) + hexAttribute("bgcolor", colors.back)
        + hexAttribute("link", colors.link) + hexAttribute("vlink", colors.vlink) + u'>';
}

QString contrastLine(const SampleColors &colors, Rgb SampleColors::*textPart)
{
    const char *name = textPart == &SampleColors::text ? "Text"
        : textPart == &SampleColors::link              ? "Link"
                                                       : "Visited link";
    const double ratio = contrastRatio(colors.*textPart, colors.back);
    return QStringLiteral("%1 on background: %2 (%3)").arg(QLatin1String(name), ratioText(ratio), contrastLevel(ratio));
}

QStringList contrastLines(const SampleColors &colors)
{
    return {contrastLine(colors, &SampleColors::text), contrastLine(colors, &SampleColors::link),
        contrastLine(colors, &SampleColors::vlink)};
}
