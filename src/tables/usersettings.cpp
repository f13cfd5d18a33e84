// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "tables/usersettings.h"

#include <QStandardPaths>

namespace UserSettings {

QString file()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/rusket.ini");
}

} // namespace UserSettings
