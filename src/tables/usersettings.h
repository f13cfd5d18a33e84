// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the user's settings live: rusket.ini in Rusket's configuration folder
// (AppConfigLocation, which honours $XDG_CONFIG_HOME), one file for the window and the
// command line alike.
namespace UserSettings {

/// The settings file's path, for QSettings(file(), QSettings::IniFormat).
QString file();

} // namespace UserSettings
