// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
// The sequential field reader on arbitrary bytes: every field, component and colour read
// must end; a component that is read is always 0..255 by type, and the line only grows.
#include "tables/fieldreader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FieldReader reader(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    int line = reader.line();
    for (int i = 0; i < 10000 && !reader.atEndBeforeRecord(); ++i) {
        QString error;
        switch (i % 3) {
        case 0: reader.readField(); break;
        case 1: reader.readComponent(&error); break;
        default: reader.readColor(&error); break;
        }
        if (reader.line() < line)
            std::abort();
        line = reader.line();
    }
    return 0;
}
