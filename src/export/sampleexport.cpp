#include "sampleexport.h"

#include "../values/conversions.h"

namespace {

QString rgbFunction(Rgb c)
{
    return QStringLiteral("rgb(") + NumberText(c.red) + u',' + NumberText(c.green) + u',' + NumberText(c.blue) + u')';
}

QString hexAttribute(const char *name, Rgb c)
{
    return u' ' + QLatin1String(name) + QStringLiteral("=\"#") + ByteToHex(c.red) + ByteToHex(c.green)
        + ByteToHex(c.blue) + u'"';
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
