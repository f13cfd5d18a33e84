// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Hexadecimal field texts: any text gives a component 0..255, and only its first and last
// characters count.
#include "values/conversions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
    const qint16 value = hexToByte(text);
    if (value < 0 || value > 255)
        std::abort();
    if (text.size() > 2 && value != hexToByte(text.left(1) + text.right(1)))
        std::abort();
    if (text.size() == 2 && hexToByte(byteToHex(value)) != value)
        std::abort();
    return 0;
}
