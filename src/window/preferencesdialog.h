// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "copying/copypreferences.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// How colours are copied: the hexadecimal style, the form Ctrl+C on the swatch, drags and
// --pick use, and the user's own templates; each shown for the current colour while it is edited.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    PreferencesDialog(const CopyPreferences &preferences, Rgb current, QWidget *parent = nullptr);

    /// The preferences as the dialog shows them.
    CopyPreferences preferences() const { return edited; }
    void accept() override;

private:
    QWidget *createHexGroup();
    QWidget *createTemplateGroup();
    void readHexStyle();
    void fillDefaultForms();
    void showTemplates();
    void showChosenTemplate();
    void showTemplateSample();
    /// Adds the template in the fields, or replaces the one in `row`; false when it is refused.
    bool keepTemplate(int row);
    void removeTemplate();

    CopyPreferences edited;
    Rgb current;
    QCheckBox *upperCase = nullptr;
    QCheckBox *hash = nullptr;
    QCheckBox *shortForm = nullptr;
    QLabel *hexSample = nullptr;
    QComboBox *defaultForm = nullptr;
    QListWidget *templateList = nullptr;
    QLineEdit *templateName = nullptr;
    QLineEdit *templateText = nullptr;
    QLabel *templateSample = nullptr;
    QPushButton *replaceButton = nullptr;
    QPushButton *removeButton = nullptr;
};
