// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "copying/copypreferences.h"

#include <QObject>
#include <QPointer>

class PreferencesDialog;
class QMenu;
class SwatchCommands;
class Toolkit;

// File > Preferences...: how colours are copied, read from the user's settings at start, edited
// in a dialog that leaves no nested event loop running, saved when confirmed, and handed to
// the swatch. Settings that cannot be saved still hold until the program ends, and the user is told.
class PreferencesCommand : public QObject
{
    Q_OBJECT

public:
    PreferencesCommand(Toolkit &toolkit, SwatchCommands *swatch, QMenu *fileMenu, QWidget *window);

private:
    void open();
    void keep(const CopyPreferences &chosen);

    Toolkit &toolkit;
    SwatchCommands *swatch;
    QWidget *window;
    CopyPreferences preferences;
    QPointer<PreferencesDialog> shown;
};
