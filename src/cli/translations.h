// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;
class QTranslator;

// The program's texts in the user's languages.
namespace Translations {

/// Loads the program's own texts for the user's languages, found beside the program (a build
/// tree) or with its installed data; false where there are none (English).
bool loadOwn(QTranslator &translator);

/// Installs the program's own texts and Qt's (its dialogs, its command-line parser) where
/// they are installed, for as long as the application lives.
void install(QCoreApplication &application);

} // namespace Translations
