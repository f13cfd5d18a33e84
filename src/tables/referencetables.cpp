// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "tables/referencetables.h"

#include "tables/datafiles.h"
#include "rusketversion.h"

#include <functional>

std::optional<LoadError> ReferenceTables::load(const QString &programFolder)
{
    using Loader = std::function<std::optional<LoadError>(const QString &path)>;
    const std::pair<const char *, Loader> files[] = {
        {"netscape.pal", [this](const QString &path) { return netscape.load(path, 216); }},
        {"windows.pal", [this](const QString &path) { return windows.load(path, 16); }},
        {"color_names.txt", [this](const QString &path) { return names.load(path); }},
    };
    for (const auto &[name, load] : files) {
        QString path;
        std::optional<LoadError> error
            = locateDataFile(programFolder, QStringLiteral(RUSKET_INSTALLED_DATA), QLatin1String(name), &path);
        if (!error)
            error = load(path);
        if (error)
            return error;
    }
    return std::nullopt;
}
