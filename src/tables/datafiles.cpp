// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "tables/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

std::optional<LoadError> locateDataFile(
    const QString &programFolder, const QString &installedFolder, const QString &name, QString *path)
{
    const QString beside = QDir::cleanPath(programFolder + u'/' + name);
    const QString installed = QDir::cleanPath(programFolder + u'/' + installedFolder + u'/' + name);
    for (const QString &candidate : {beside, installed}) {
        if (QFileInfo::exists(candidate)) {
            *path = candidate;
            return std::nullopt;
        }
    }
    return LoadError{name, 0,
        QCoreApplication::translate("LoadError", "cannot be read: neither %1 nor %2 exists")
            .arg(QDir::toNativeSeparators(beside), QDir::toNativeSeparators(installed))};
}
