// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// CSS colour texts: any bytes are read without a crash; a colour that is read writes back, in
// every format, as text that reads as the same bytes.
#include "css/cssformats.h"
#include "css/csscolorreader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const CssReading reading = readCssColor(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!reading.ok)
        return reading.reason.isEmpty() ? (std::abort(), 0) : 0;
    for (CssFormat format : CssFormats::all) {
        const QString text = CssFormats::write(reading.bytes, format);
        if (!text.isEmpty() && readCssColor(text).bytes != reading.bytes)
            std::abort();
    }
    return 0;
}
