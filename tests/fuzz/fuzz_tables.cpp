// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// Both table loaders on arbitrary file contents: they either fill their table or report
// an error with a line inside the file, and never leave a half-read table behind.
#include "tables/colornametable.h"
#include "tables/palette.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int lines = int(bytes.count('\n') + bytes.count('\r')) + 1;

    ColorNameTable names;
    FieldReader namesReader(bytes);
    if (const std::optional<LoadError> error = names.read(namesReader, QStringLiteral("color_names.txt"))) {
        if (error->line < 1 || error->line > lines || !names.entries().isEmpty())
            std::abort();
    } else {
        for (const ColorNameTable::Entry &entry : names.entries()) {
            Rgb found;
            if (!names.findColorByName(entry.name, found))
                std::abort();
        }
    }

    for (int count : {16, 216}) {
        Palette palette;
        FieldReader paletteReader(bytes);
        const std::optional<LoadError> error = palette.read(paletteReader, count, QStringLiteral("windows.pal"));
        if (error ? !palette.colors().isEmpty() : palette.colors().size() != count)
            std::abort();
        if (!error && !palette.contains(palette.nearest(300, -5, 40000)))
            std::abort();
    }
    return 0;
}
