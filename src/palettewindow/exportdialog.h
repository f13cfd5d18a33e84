// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "copying/copypreferences.h"
#include "palettes/paletteexport.h"

#include <QDialog>

class QComboBox;
class QPlainTextEdit;
class Toolkit;

// Exports a palette as CSS custom properties, a Tailwind theme, design tokens, a GIMP palette or
// plain lines, each colour in a CSS format or by one of the user's templates, to a file or the
// clipboard; what it writes is shown while the choice is made. The last choice is remembered.
class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    ExportDialog(Toolkit &toolkit, UserPalette palette, QWidget *parent = nullptr);

    /// The export as it is shown.
    QString text() const;

private:
    PaletteForm form() const;
    void fillColorForms();
    void showExport();
    void saveToFile();
    void copyToClipboard();

    Toolkit &toolkit;
    UserPalette palette;
    CopyPreferences preferences;
    QComboBox *forms = nullptr;
    QComboBox *colorForms = nullptr;
    QPlainTextEdit *preview = nullptr;
};
