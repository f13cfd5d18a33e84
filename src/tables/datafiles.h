#pragma once

#include "tables/loaderror.h"

#include <QString>
#include <optional>

/// Where a data file is: beside the program (a build tree, a portable folder) or, when the
/// program is installed, in ../share/rusket from its folder. `path` receives the first of
/// these that exists; when neither does, the error names both.
std::optional<LoadError> locateDataFile(const QString &programFolder, const QString &name, QString *path);
