// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "export/sampleexport.h"

#include <QCoreApplication>

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
    const char *line = textPart == &SampleColors::text
        ? QT_TRANSLATE_NOOP("SampleExport", "Text on background: %1 (%2)")
        : textPart == &SampleColors::link ? QT_TRANSLATE_NOOP("SampleExport", "Link on background: %1 (%2)")
                                          : QT_TRANSLATE_NOOP("SampleExport", "Visited link on background: %1 (%2)");
    const double ratio = contrastRatio(colors.*textPart, colors.back);
    return QCoreApplication::translate("SampleExport", line).arg(ratioText(ratio), contrastLevel(ratio));
}

QStringList contrastLines(const SampleColors &colors)
{
    return {contrastLine(colors, &SampleColors::text), contrastLine(colors, &SampleColors::link),
        contrastLine(colors, &SampleColors::vlink)};
}
