// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Every colour in every format: writes each of the 16,777,216 colours in each format and reads
// the text back, counting the texts whose colour, in sRGB before any gamut mapping, strays
// half a byte or more from a channel, or lies within a millionth of a byte of the half, and the
// texts that do not read back as the same bytes.
//   roundtrip [FORMAT ...]     (all formats when none is named)
#include "css/colorspace.h"
#include "css/cssformats.h"
#include "css/csscolorreader.h"

#include <QStringList>
#include <cmath>
#include <cstdio>

namespace {

bool withinHalfAByte(const CssColor &color, Rgb bytes)
{
    const std::array<double, 3> srgb = ColorSpaces::convert(color, ColorSpace::Srgb).c;
    for (int i = 0; i < 3; ++i) {
        if (!(std::abs(srgb[i] * 255 - bytes.component(i)) <= 0.5 - 1e-6))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QList<CssFormat> formats;
    for (int i = 1; i < argc; ++i) {
        if (const std::optional<CssFormat> format = CssFormats::named(QString::fromLocal8Bit(argv[i])))
            formats.append(*format);
    }
    if (formats.isEmpty())
        formats = QList<CssFormat>(CssFormats::all.begin(), CssFormats::all.end());
    int failures = 0;
    for (CssFormat format : formats) {
        long long astray = 0, otherBytes = 0;
        for (quint32 packed = 0; packed < (1u << 24); ++packed) {
            const Rgb color = Rgb::fromPacked(packed);
            const QString text = CssFormats::write(color, format);
            if (format == CssFormat::Name && text.isEmpty())
                continue;
            const CssReading back = readCssColor(text);
            const bool strays = !back.ok || !withinHalfAByte(back.color, color);
            const bool differs = !back.ok || back.bytes != color;
            astray += strays;
            otherBytes += differs;
            if ((strays || differs) && astray + otherBytes <= 5)
                std::printf(
                    "  %s does not mean %s\n", qPrintable(text), qPrintable(CssFormats::write(color, CssFormat::Hex)));
        }
        std::printf("%s: of 16777216 colours, %lld written as texts half a byte or more away or on the half, "
                    "%lld that read back as other bytes\n",
            CssFormats::nameOf(format), astray, otherBytes);
        std::fflush(stdout);
        failures += astray + otherBytes > 0;
    }
    return failures > 0;
}
