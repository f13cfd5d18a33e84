// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/preferencesdialog.h"

#include "css/cssformats.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <class T> T *named(T *widget, const char *name, const QString &accessibleName = {})
{
    widget->setObjectName(QLatin1String(name));
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

PreferencesDialog::PreferencesDialog(const CopyPreferences &preferences, Rgb current, QWidget *parent)
    : QDialog(parent)
    , edited(preferences)
    , current(current)
{
    setObjectName(QStringLiteral("dlgPreferences"));
    setWindowTitle(tr("Preferences"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createHexGroup());
    defaultForm = named(new QComboBox, "cboDefaultForm", tr("Form copied by Ctrl+C, drags and --pick"));
    auto *defaultRow = new QFormLayout;
    defaultRow->addRow(tr("Ctrl+C, drags and --pick &copy:"), defaultForm);
    layout->addLayout(defaultRow);
    layout->addWidget(createTemplateGroup());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    fillDefaultForms();
    showTemplates();
    readHexStyle();
    connect(defaultForm, &QComboBox::activated, this,
        [this] { edited.defaultForm = defaultForm->currentData().toString(); });
}

QWidget *PreferencesDialog::createHexGroup()
{
    auto *group = named(new QGroupBox(tr("Hexadecimal colors")), "grpHex");
    auto *layout = new QVBoxLayout(group);
    upperCase = named(new QCheckBox(tr("&Upper-case digits")), "chkHexUpper");
    hash = named(new QCheckBox(tr("Begin with &#")), "chkHexHash");
    shortForm = named(new QCheckBox(tr("&Short form where it is exact (#f80)")), "chkHexShort");
    hexSample = named(new QLabel, "lblHexSample");
    hexSample->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Each box shows the kept style before any is heard: one toggled would read the others too.
    upperCase->setChecked(edited.hex.upperCase);
    hash->setChecked(edited.hex.hash);
    shortForm->setChecked(edited.hex.shortForm);
    for (QCheckBox *box : {upperCase, hash, shortForm}) {
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &PreferencesDialog::readHexStyle);
    }
    layout->addWidget(hexSample);
    return group;
}

QWidget *PreferencesDialog::createTemplateGroup()
{
    auto *group = named(new QGroupBox(tr("Templates")), "grpTemplates");
    auto *layout = new QVBoxLayout(group);
    templateList = named(new QListWidget, "lstTemplates", tr("Templates"));
    templateName = named(new QLineEdit, "txtTemplateName", tr("Template name"));
    templateText = named(new QLineEdit, "txtTemplateText", tr("Template text"));
    // Rich text, so that the long list wraps.
    templateText->setToolTip(
        QStringLiteral("<p>%1</p>")
            .arg(tr("Placeholders: %1").arg(ColorTemplate::placeholders().join(u' ')).toHtmlEscaped()));
    templateText->setPlaceholderText(QStringLiteral("Color({r}, {g}, {b})"));
    // Broken into lines by hand: a label that wraps itself is laid out a line short on some
    // scaled screens, cutting its first and last lines.
    auto *hint = named(new QLabel(tr("Placeholders: {r} {g} {b} (with .f a fraction, .p a percentage,\n"
                                     ".x hex digits), a format such as {hex} or {oklch}, its parts\n"
                                     "such as {hsl.h}, and {name}.")),
        "lblPlaceholders");
    templateSample = named(new QLabel, "lblTemplateSample");
    templateSample->setWordWrap(true);
    templateSample->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *fields = new QFormLayout;
    fields->addRow(tr("&Name:"), templateName);
    fields->addRow(tr("&Text:"), templateText);
    auto *add = named(new QPushButton(tr("&Add")), "cmdTemplateAdd");
    replaceButton = named(new QPushButton(tr("&Replace")), "cmdTemplateReplace");
    removeButton = named(new QPushButton(tr("Re&move")), "cmdTemplateRemove");
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {add, replaceButton, removeButton})
        buttons->addWidget(button);
    layout->addWidget(templateList);
    layout->addLayout(fields);
    layout->addWidget(hint);
    layout->addWidget(templateSample);
    layout->addLayout(buttons);
    connect(templateList, &QListWidget::currentRowChanged, this, &PreferencesDialog::showChosenTemplate);
    for (QLineEdit *field : {templateName, templateText})
        connect(field, &QLineEdit::textChanged, this, &PreferencesDialog::showTemplateSample);
    connect(add, &QPushButton::clicked, this, [this] { keepTemplate(-1); });
    connect(replaceButton, &QPushButton::clicked, this, [this] { keepTemplate(templateList->currentRow()); });
    connect(removeButton, &QPushButton::clicked, this, &PreferencesDialog::removeTemplate);
    return group;
}

void PreferencesDialog::readHexStyle()
{
    edited.hex = {upperCase->isChecked(), hash->isChecked(), shortForm->isChecked()};
    hexSample->setText(tr("The current color: %1").arg(edited.hex.write(current)));
    showTemplateSample();
}

void PreferencesDialog::fillDefaultForms()
{
    defaultForm->clear();
    for (CssFormat format : CssFormats::all) {
        const QString name = QLatin1String(CssFormats::nameOf(format));
        defaultForm->addItem(name, name);
    }
    for (const NamedTemplate &each : edited.templates)
        defaultForm->addItem(tr("Template: %1").arg(each.name), each.name);
    const int chosen = defaultForm->findData(edited.defaultForm);
    if (chosen < 0)
        edited.defaultForm = QStringLiteral("hex"); // its template was removed
    defaultForm->setCurrentIndex(std::max(chosen, 0));
}

void PreferencesDialog::showTemplates()
{
    templateList->clear();
    for (const NamedTemplate &each : edited.templates)
        templateList->addItem(each.name + QStringLiteral(": ") + each.text);
    fillDefaultForms();
    showChosenTemplate();
}

void PreferencesDialog::showChosenTemplate()
{
    const int row = templateList->currentRow();
    replaceButton->setEnabled(row >= 0);
    removeButton->setEnabled(row >= 0);
    if (row >= 0) {
        templateName->setText(edited.templates[row].name);
        templateText->setText(edited.templates[row].text);
    }
    showTemplateSample();
}

void PreferencesDialog::showTemplateSample()
{
    if (!templateSample)
        return; // the hexadecimal group is built first
    const ColorTemplate::Result sample
        = ColorTemplate::expand(templateText->text(), current, templateName->text(), edited.hex);
    templateSample->setText(templateText->text().isEmpty() ? QString()
            : sample.ok()                                  ? tr("Gives: %1").arg(sample.text)
                                                           : tr("Refused: %1").arg(sample.error));
}

// A template typed but not yet added is kept with the rest, not lost; one that cannot be kept
// holds the dialog open with the reason.
void PreferencesDialog::accept()
{
    const NamedTemplate typed{templateName->text().trimmed(), templateText->text()};
    if (!typed.text.isEmpty() && !edited.templates.contains(typed)) {
        const qsizetype same
            = std::ranges::find(edited.templates, typed.name, &NamedTemplate::name) - edited.templates.begin();
        if (!keepTemplate(same < edited.templates.size() ? int(same) : -1))
            return;
    }
    QDialog::accept();
}

bool PreferencesDialog::keepTemplate(int row)
{
    const NamedTemplate candidate{templateName->text().trimmed(), templateText->text()};
    const bool replacing = row >= 0;
    if (const std::optional<QString> refusal = edited.refusal(candidate, row)) {
        templateSample->setText(tr("Refused: %1").arg(*refusal));
        return false;
    }
    if (replacing) {
        if (edited.defaultForm == edited.templates[row].name)
            edited.defaultForm = candidate.name;
        edited.templates[row] = candidate;
    } else {
        edited.templates.append(candidate);
    }
    showTemplates();
    templateList->setCurrentRow(int(replacing ? row : edited.templates.size() - 1));
    return true;
}

void PreferencesDialog::removeTemplate()
{
    const int row = templateList->currentRow();
    if (row < 0)
        return;
    edited.templates.removeAt(row);
    showTemplates();
}
