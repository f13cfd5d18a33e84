// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/preferencescommand.h"

#include "tables/usersettings.h"
#include "window/preferencesdialog.h"
#include "window/swatchcommands.h"
#include "window/toolkit.h"

#include <QDir>
#include <QMenu>
#include <QSettings>

PreferencesCommand::PreferencesCommand(Toolkit &toolkit, SwatchCommands *swatch, QMenu *fileMenu, QWidget *window)
    : QObject(window)
    , toolkit(toolkit)
    , swatch(swatch)
    , window(window)
{
    QSettings settings(UserSettings::file(), QSettings::IniFormat);
    preferences = CopyPreferences::load(settings);
    swatch->setCopyPreferences(preferences);
    auto *entry = new QAction(tr("Pr&eferences..."), fileMenu);
    entry->setObjectName(QStringLiteral("mnuFilePreferences"));
    QAction *first = fileMenu->actions().value(0);
    fileMenu->insertAction(first, entry);
    fileMenu->insertSeparator(first);
    connect(entry, &QAction::triggered, this, &PreferencesCommand::open);
}

void PreferencesCommand::open()
{
    if (shown) // one at a time
        return shown->activateWindow();
    shown = new PreferencesDialog(preferences, swatch->currentColor(), window);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    connect(shown, &QDialog::accepted, this, [this] { keep(shown->preferences()); });
    shown->open();
}

void PreferencesCommand::keep(const CopyPreferences &chosen)
{
    preferences = chosen;
    QSettings settings(UserSettings::file(), QSettings::IniFormat);
    preferences.save(settings);
    settings.sync();
    swatch->setCopyPreferences(preferences);
    if (settings.status() != QSettings::NoError)
        toolkit.showMessage(tr("The preferences could not be saved in %1; they hold until Rusket ends.")
                                .arg(QDir::toNativeSeparators(settings.fileName())));
}
