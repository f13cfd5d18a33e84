// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// The lenient reading of byte fields on arbitrary text (read as UTF-16, as typed text is).
#include "values/entryreading.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const double value = readLenientDecimal(text);
    if (std::isnan(value))
        std::abort();
    const qint16 whole = makeWhole(toSinglePrecision(value));
    if (std::isfinite(value) && std::fabs(value) < 30000 && std::fabs(whole - value) > 0.5001)
        std::abort();
    return 0;
}
