// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Every colour in every format: writes each of the 16,777,216 colours in each format and reads
// the text back, counting the texts that do not give the same bytes.
//   roundtrip [FORMAT ...]     (all formats when none is named)
#include "css/cssformats.h"
#include "css/csscolorreader.h"

#include <QStringList>
#include <cstdio>

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
        long long wrong = 0;
        for (quint32 packed = 0; packed < (1u << 24); ++packed) {
            const Rgb color = Rgb::fromPacked(packed);
            const QString text = CssFormats::write(color, format);
            if (format == CssFormat::Name && text.isEmpty())
                continue;
            const CssReading back = readCssColor(text);
            if (!back.ok || back.bytes != color) {
                if (++wrong <= 5)
                    std::printf("  %s does not read back as #%06x\n", qPrintable(text), packed);
            }
        }
        std::printf("%s: %lld of 16777216 colours do not read back\n", CssFormats::nameOf(format), wrong);
        std::fflush(stdout);
        failures += wrong > 0;
    }
    return failures > 0;
}
