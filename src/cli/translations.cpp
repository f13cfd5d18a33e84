// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "cli/translations.h"

#include "rusketversion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

bool loadOwn(QTranslator &translator)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString &folder : {programFolder, programFolder + QStringLiteral("/" RUSKET_INSTALLED_DATA)}) {
        if (translator.load(QLocale(), QStringLiteral("rusket"), QStringLiteral("_"), folder))
            return true;
    }
    return false;
}

void install(QCoreApplication &application)
{
    auto *own = new QTranslator(&application);
    if (loadOwn(*own))
        QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(&application);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace Translations
