// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// The palette readers on arbitrary file contents: a GIMP palette is read with every problem
// on a line of the file, or refused with one reason; what is read writes and reads back as
// itself. An import never fails without a reason.
#include "palettes/gplformat.h"
#include "palettes/paletteimport.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int lines = int(bytes.count('\n')) + 1;
    const GplReading reading = GplFormat::read(bytes, QStringLiteral("fuzz.gpl"));
    for (const LoadError &problem : reading.problems) {
        if (problem.line < 0 || problem.line > lines)
            std::abort();
    }
    if (const std::optional<UserPalette> &palette = reading.palette) {
        const GplReading back = GplFormat::read(GplFormat::write(*palette), QStringLiteral("fuzz.gpl"));
        if (back.palette != palette || !back.problems.isEmpty())
            std::abort();
    } else if (reading.problems.size() != 1) {
        std::abort();
    }
    const GplReading imported = PaletteImport::read(bytes, QStringLiteral("fuzz.css"));
    if (!imported.palette && imported.problems.isEmpty())
        std::abort();
    return 0;
}
