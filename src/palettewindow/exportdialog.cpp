// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettewindow/exportdialog.h"

#include "palettes/palettefiles.h"
#include "tables/usersettings.h"
#include "window/toolkit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

namespace {

struct Form
{
    PaletteForm form;
    const char *caption;
    const char *suffix; // of the file name first offered
    bool takesTemplates;
};

// clang-format off
const Form formTable[] = {
    {PaletteForm::Css,      QT_TRANSLATE_NOOP("ExportDialog", "CSS custom properties"), ".css",         true},
    {PaletteForm::Tailwind, QT_TRANSLATE_NOOP("ExportDialog", "Tailwind theme"),        ".css",         true},
    {PaletteForm::Tokens,   QT_TRANSLATE_NOOP("ExportDialog", "Design tokens"),         ".tokens.json", false},
    {PaletteForm::Gpl,      QT_TRANSLATE_NOOP("ExportDialog", "GIMP palette"),          ".gpl",         false},
    {PaletteForm::Lines,    QT_TRANSLATE_NOOP("ExportDialog", "Plain lines"),           ".txt",         true},
};
// clang-format on

const QString formKey = QStringLiteral("palettes/exportForm");
const QString colorFormKey = QStringLiteral("palettes/exportColors");
const QString templateMark = QStringLiteral("template:"); // before a template's name in the choice

} // namespace

ExportDialog::ExportDialog(Toolkit &toolkit, UserPalette palette, QWidget *parent)
    : QDialog(parent)
    , toolkit(toolkit)
    , palette(std::move(palette))
{
    setObjectName(QStringLiteral("dlgExport"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Export \"%1\"").arg(this->palette.name));
    QSettings settings(UserSettings::file(), QSettings::IniFormat);
    preferences = CopyPreferences::load(settings);

    forms = new QComboBox;
    forms->setObjectName(QStringLiteral("cboExportForm"));
    forms->setAccessibleName(tr("Form"));
    for (const Form &form : formTable)
        forms->addItem(tr(form.caption), QLatin1String(PaletteExport::nameOf(form.form)));
    forms->setCurrentIndex(std::max(0, forms->findData(settings.value(formKey).toString())));
    colorForms = new QComboBox;
    colorForms->setObjectName(QStringLiteral("cboExportColors"));
    colorForms->setAccessibleName(tr("Each color as"));
    fillColorForms();
    colorForms->setCurrentIndex(std::max(0, colorForms->findData(settings.value(colorFormKey).toString())));
    preview = new QPlainTextEdit;
    preview->setObjectName(QStringLiteral("txtExport"));
    preview->setAccessibleName(tr("What is exported"));
    preview->setReadOnly(true);
    preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *save = buttons->addButton(tr("&Save As..."), QDialogButtonBox::ActionRole);
    QPushButton *copy = buttons->addButton(tr("Co&py"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("cmdExportSave"));
    copy->setObjectName(QStringLiteral("cmdExportCopy"));
    connect(save, &QPushButton::clicked, this, &ExportDialog::saveToFile);
    connect(copy, &QPushButton::clicked, this, &ExportDialog::copyToClipboard);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QFormLayout(this);
    layout->addRow(tr("&Form:"), forms);
    layout->addRow(tr("Each color &as:"), colorForms);
    layout->addRow(preview);
    layout->addRow(buttons);
    connect(forms, &QComboBox::currentIndexChanged, this, &ExportDialog::fillColorForms);
    connect(forms, &QComboBox::currentIndexChanged, this, &ExportDialog::showExport);
    connect(colorForms, &QComboBox::currentIndexChanged, this, &ExportDialog::showExport);
    showExport();
    resize(520, 380);
}

PaletteForm ExportDialog::form() const
{
    return formTable[std::max(0, forms->currentIndex())].form;
}

// The CSS formats, and the user's templates where the form takes them; a GIMP palette takes neither.
void ExportDialog::fillColorForms()
{
    const QString chosen = colorForms->currentData().toString();
    const QSignalBlocker quiet(colorForms);
    colorForms->clear();
    for (CssFormat format : CssFormats::all)
        colorForms->addItem(QLatin1String(CssFormats::nameOf(format)), QLatin1String(CssFormats::nameOf(format)));
    if (formTable[forms->currentIndex()].takesTemplates) {
        for (const NamedTemplate &kept : std::as_const(preferences.templates))
            colorForms->addItem(tr("Template \"%1\"").arg(kept.name), templateMark + kept.name);
    }
    colorForms->setCurrentIndex(std::max(0, colorForms->findData(chosen)));
    colorForms->setEnabled(form() != PaletteForm::Gpl);
}

QString ExportDialog::text() const
{
    const QString chosen = colorForms->currentData().toString();
    for (const NamedTemplate &kept : preferences.templates) {
        if (chosen == templateMark + kept.name)
            return PaletteExport::write(palette, form(), CssFormat::Hex, kept.text, preferences.hex);
    }
    return PaletteExport::write(palette, form(), CssFormats::named(chosen).value_or(CssFormat::Hex));
}

void ExportDialog::showExport()
{
    preview->setPlainText(text());
    QSettings settings(UserSettings::file(), QSettings::IniFormat);
    settings.setValue(formKey, forms->currentData());
    settings.setValue(colorFormKey, colorForms->currentData());
}

void ExportDialog::saveToFile()
{
    const QString suggested = QDir::home().filePath(PaletteFiles::fileNameFor(palette.name, {}).chopped(4)
        + QLatin1String(formTable[forms->currentIndex()].suffix));
    const QString path = toolkit.chooseFile(FileChoice::Save, tr("Export Palette"), tr("All files (*)"), suggested);
    if (path.isEmpty())
        return;
    if (const std::optional<LoadError> error = PaletteFiles::write(path, text().toUtf8()))
        return toolkit.showMessage(tr("The palette could not be exported: %1").arg(error->text()));
    accept();
}

void ExportDialog::copyToClipboard()
{
    if (toolkit.copyText(text()))
        accept();
}
