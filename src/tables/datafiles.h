// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "tables/loaderror.h"

#include <QString>
#include <optional>

/// Where a data file is: beside the program (a build tree, a portable folder) or, when the
/// program is installed, in `installedFolder` relative to its folder (../share/rusket for
/// the usual layout). `path` receives the first of these that exists; when neither does, the
/// error names both.
std::optional<LoadError> locateDataFile(
    const QString &programFolder, const QString &installedFolder, const QString &name, QString *path);
