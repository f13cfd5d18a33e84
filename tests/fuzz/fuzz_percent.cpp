// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Percentage texts in two locales: any text reads as a finite number or an infinity, and
// every whole component that comes out writes a text that reads back to it.
#include "values/conversions.h"
#include "values/entryreading.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    for (const QLocale &locale : locales) {
        const double percent = readPercentText(text, locale);
        if (std::isnan(percent))
            std::abort();
        const qint16 component = qint16(qBound(0, int(makeWhole(percentToComponent(percent))), 255));
        const QString written = percentText(quint8(component), locale);
        if (makeWhole(percentToComponent(readPercentText(written, locale))) != component)
            std::abort();
        (void)wholePercent(text, locale);
    }
    return 0;
}
