// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/mainwindow.h"

#include "artwork/artwork.h"
#include "css/csscolorreader.h"
#include "css/typedcolor.h"
#include "palettewindow/palettekeeper.h"
#include "picking/screenpick.h"
#include "widgets/picturebox.h"
#include "window/controltable.h"
#include "window/mainmenus.h"
#include "window/preferencescommand.h"
#include "window/samplepage.h"
#include "window/samplepagedragdrop.h"
#include "window/swatchcommands.h"
#include "window/toolkit.h"
#include "values/contrast.h"
#include "values/conversions.h"
#include "values/entryreading.h"
#include "values/notationtexts.h"
#include "values/rangecheck.h"
#include "values/twips.h"

#include <QFocusEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QToolButton>

namespace {

// clang-format off
const char *const fieldNames[9] = {
    "redByte", "greenByte", "blueByte",
    "redPercent", "greenPercent", "bluePercent",
    "redHex", "greenHex", "blueHex",
};
// clang-format on
const char *const sliderNames[3] = {"redSlide", "greenSlide", "blueSlide"};

// The program's writes show a field's beginning. The field the window's focus is in, the one
// the user types into next (at start-up, after Tab, when the window is activated again), has its
// whole new text selected, so that typing or pasting replaces it.
void showText(QLineEdit *field, const QString &text)
{
    field->setText(text);
    if (field->window()->focusWidget() == field)
        field->selectAll();
    else
        field->setCursorPosition(0);
}

std::array<double, 3> componentsOf(Rgb c)
{
    return {double(c.red), double(c.green), double(c.blue)};
}

} // namespace

MainWindow::MainWindow(Toolkit &toolkit, QWidget *parent)
    : QMainWindow(parent)
    , toolkit(toolkit)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Rusket"));
    // Fixed single border: no maximise button, no resizing; minimising works.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *clientArea = new QWidget;
    clientArea->setFixedSize(twipsToPixels(5124), twipsToPixels(4200));
    QFont dialogFont = clientArea->font();
    dialogFont.setPointSizeF(8);
    clientArea->setFont(dialogFont);
    setCentralWidget(clientArea);
    ControlTable::build(clientArea);
    ControlTable::applyTabOrder(clientArea);

    findControls();
    menus = new MainMenus(toolkit, this);
    createScreenPick();
    connectHandlers();
    new PaletteKeeper(toolkit, this, menus->menu("mnuFile"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    fields[0].edit->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::findControls()
{
    const auto control
        = [this](const char *name) { return centralWidget()->findChild<QWidget *>(QLatin1String(name)); };
    for (int i = 0; i < int(fields.size()); ++i)
        fields[i] = {qobject_cast<QLineEdit *>(control(fieldNames[i])), ColorSource(i / 3), i % 3};
    for (int i = 0; i < int(sliders.size()); ++i)
        sliders[i] = qobject_cast<QScrollBar *>(control(sliderNames[i]));
    paletteToggles = {{{qobject_cast<QToolButton *>(control("chkNetscape")), &tables.netscape},
        {qobject_cast<QToolButton *>(control("chkWindows")), &tables.windows}}};
    nameField = qobject_cast<QLineEdit *>(control("txtRgbName"));
    furtherNamesField = qobject_cast<QLineEdit *>(control("txtRgbMore"));
    combinedTexts = {qobject_cast<QLineEdit *>(control("byteShow")), qobject_cast<QLineEdit *>(control("percentShow")),
        qobject_cast<QLineEdit *>(control("hexShow"))};
    swatch = control("colShow");
    lockToggle = qobject_cast<QToolButton *>(control("slideLock"));

    paletteToggles[0].button->setIcon(Artwork::paletteToggleIcon(Artwork::Emblem::ColorCube));
    paletteToggles[1].button->setIcon(Artwork::paletteToggleIcon(Artwork::Emblem::SixteenColors));
    lockToggle->setIcon(Artwork::slideLockIcon());
}

void MainWindow::createScreenPick()
{
    auto *pick = new QAction(tr("Pick from Screen"), this);
    pick->setObjectName(QStringLiteral("actPickFromScreen"));
    pick->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(pick, &QAction::triggered, this, &MainWindow::pickFromScreen);
    addAction(pick); // the shortcut works anywhere in the window

    screenPick = new ScreenPick(this);
    screenPick->withdrawWithEscape(this);
    screenPick->explainIn(pick);
    const auto tell = [this](const QString &message) { toolkit.showMessage(message); };
    connect(screenPick, &ScreenPick::picked, this, &MainWindow::takeColor);
    connect(screenPick, &ScreenPick::kept, this, &MainWindow::takeColor); // the last one kept stays current
    connect(screenPick, &ScreenPick::picked, this, &MainWindow::colorExchanged);
    connect(screenPick, &ScreenPick::kept, this, &MainWindow::colorExchanged);
    connect(screenPick, &ScreenPick::failed, this, tell);
}

void MainWindow::connectHandlers()
{
    for (const NotationField &field : fields) {
        connect(field.edit, &QLineEdit::textChanged, this, &MainWindow::markFieldEdited);
        field.edit->installEventFilter(this);
    }
    for (QLineEdit *text : {nameField, furtherNamesField, combinedTexts[0], combinedTexts[1], combinedTexts[2]})
        text->installEventFilter(this);
    for (QScrollBar *slider : sliders) {
        slider->installEventFilter(this);
        connect(slider, &QScrollBar::valueChanged, this, [this, slider] { applySliderMove(slider); });
    }
    for (const PaletteToggle &toggle : paletteToggles)
        connect(toggle.button, &QToolButton::toggled, this, [this, toggle] { snapToPalette(toggle); });
    connect(centralWidget()->findChild<QPushButton *>(QStringLiteral("cmdPickColor")), &QPushButton::clicked, this,
        &MainWindow::pickColorFromDialog);
    connectSwatch();
}

void MainWindow::connectSwatch()
{
    dragDrop = new SamplePageDragDrop(toolkit, this);
    swatch->installEventFilter(this);
    // Every drop first applies an edit still in its field; the page then does its part.
    connect(dragDrop, &SamplePageDragDrop::dropped, this, &MainWindow::applyPendingEdit);
    swatchCommands = new SwatchCommands(
        toolkit, swatch, dragDrop, findChild<QAction *>(QStringLiteral("actPickFromScreen")), this);
    connect(swatchCommands, &SwatchCommands::currentColorNeeded, this, &MainWindow::applyPendingEdit);
    connect(swatchCommands, &SwatchCommands::textGiven, this, &MainWindow::takeCssText);
    new PreferencesCommand(toolkit, swatchCommands, menus->menu("mnuFile"), this);
    connect(swatchCommands, &SwatchCommands::colorGiven, this, &MainWindow::takeColor);
    connect(swatchCommands, &SwatchCommands::colorGivenOut, this, &MainWindow::colorExchanged);
    page = new SamplePage(toolkit, centralWidget(), swatch, dragDrop);
    connect(page, &SamplePage::currentColorNeeded, this, &MainWindow::applyPendingEdit);
    connect(page, &SamplePage::colorChosen, this, &MainWindow::takeSampleColor);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // A window losing activation or a field's own context menu leaves the focus where
        // it is, so the edit is still pending; only a real move of the focus hands it on.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == nameField)
                applyTypedName();
            for (const NotationField &field : fields) {
                if (field.edit == watched)
                    applyFieldEdit(field);
            }
            if (auto *text = qobject_cast<QLineEdit *>(watched))
                text->setCursorPosition(0); // a field left shows its beginning
        }
    } else if (event->type() == QEvent::Wheel) {
        applyPendingEdit(); // the wheel moves a slider without taking the focus
    }
    return QMainWindow::eventFilter(watched, event);
}

std::optional<LoadError> MainWindow::loadData()
{
    if (std::optional<LoadError> error = tables.load(toolkit.programFolder()))
        return error;
    page->setDefaultColors();
    updateColor(ColorSource::Sliders);
    return std::nullopt;
}

// ---- The synchroniser ----

void MainWindow::updateColor(ColorSource source)
{
    const std::array<double, 3> read = readColor(source);
    Rgb color;
    QStringList rangeMessages; // red's first
    NotationTexts texts;
    {
        const QScopedValueRollback writing(writingViews, true);
        for (int i = 0; i < 3; ++i) {
            const RangeCheck checked = checkRange(makeWhole(read[i]), source);
            *std::array{&color.red, &color.green, &color.blue}[i] = quint8(checked.value);
            if (!checked.message.isEmpty())
                rangeMessages.append(checked.message);
        }
        texts = NotationTexts::of(color, QLocale());
        writeViews(color, texts);
    }
    showCurrentColor(color, texts);
    editPending = false;
    // Each box runs its own event loop, where another colour may arrive (a pick from the
    // screen): shown once this colour is in every view, they let that colour follow it whole.
    for (const QString &message : rangeMessages)
        toolkit.showMessage(message);
}

std::array<double, 3> MainWindow::readColor(ColorSource source) const
{
    switch (source) {
    case ColorSource::Byte:
    case ColorSource::Percent:
    case ColorSource::Hex: return readNotation(source);
    case ColorSource::Name: {
        // A text that names no colour keeps the current one, unless it is a CSS colour.
        Rgb color = sliderColor();
        if (!tables.names.findColorByName(nameField->text(), color)) {
            const CssReading reading = readCssColor(nameField->text().trimmed());
            color = reading.ok ? reading.bytes : color;
        }
        return componentsOf(color);
    }
    case ColorSource::Outside: return componentsOf(outsideColor);
    case ColorSource::Sliders: break;
    }
    return componentsOf(sliderColor());
}

std::array<double, 3> MainWindow::readNotation(ColorSource notation) const
{
    std::array<QString, 3> texts;
    for (const NotationField &field : fields) {
        if (field.notation == notation)
            texts[field.component] = field.edit->text();
    }
    return readComponents(notation, texts, QLocale());
}

void MainWindow::writeViews(Rgb color, const NotationTexts &texts)
{
    const QStringList colorNames = tables.names.findNamesByColor(color);
    showText(nameField, colorNames.value(0));
    showText(furtherNamesField, ColorNameTable::joinFurtherNames(colorNames));

    for (const NotationField &field : fields) {
        const auto &column = field.notation == ColorSource::Byte ? texts.byte
            : field.notation == ColorSource::Percent             ? texts.percent
                                                                 : texts.hex;
        showText(field.edit, column[field.component]);
        field.edit->setToolTip(column[field.component]); // a narrow field may not show it whole
    }
    for (int i = 0; i < 3; ++i)
        sliders[i]->setValue(color.component(i));
    for (const PaletteToggle &toggle : paletteToggles)
        toggle.button->setChecked(toggle.palette->contains(color));
}

void MainWindow::showCurrentColor(Rgb color, const NotationTexts &texts)
{
    setShownColor(swatch, QColor(color.red, color.green, color.blue));
    showText(combinedTexts[0], texts.byteShow);
    showText(combinedTexts[1], texts.percentShow);
    showText(combinedTexts[2], texts.hexShow);
    const QString swatchHelp
        = tr("On white %1, on black %2\nPick from Screen: right-click or Ctrl+Shift+P")
              .arg(ratioText(contrastRatio(color, {255, 255, 255})), ratioText(contrastRatio(color, {0, 0, 0})));
    swatch->setToolTip(swatchHelp);
    swatch->setAccessibleDescription(swatchHelp);
    page->setCurrentColor(color);
    swatchCommands->setCurrentColor(color);
}

Rgb MainWindow::sliderColor() const
{
    return {quint8(sliders[0]->value()), quint8(sliders[1]->value()), quint8(sliders[2]->value())};
}

void MainWindow::moveSlidersTogether(int value)
{
    const QScopedValueRollback writing(writingViews, true);
    for (QScrollBar *slider : sliders)
        slider->setValue(value);
}

// ---- The notation fields, the name field and the sliders ----

void MainWindow::markFieldEdited()
{
    if (!writingViews)
        editPending = true;
}

void MainWindow::applyFieldEdit(const NotationField &field)
{
    if (writingViews || !editPending)
        return;
    // A CSS colour typed or pasted into any notation field sets the whole colour.
    const TypedColor css = TypedColor::of(field.edit->text());
    if (css.kind == TypedColor::Kind::Color)
        return takeColor(css.reading.bytes);
    if (css.kind == TypedColor::Kind::Refused)
        return refuseTypedCss(css.reading.reason);
    updateColor(field.notation);
}

void MainWindow::refuseTypedCss(const QString &reason)
{
    updateColor(ColorSource::Sliders); // the fields show the current colour again
    toolkit.showMessage(noColorMessage(reason));
}

QString MainWindow::noColorMessage(const QString &reason)
{
    return tr("This is no color: %1.").arg(reason);
}

void MainWindow::applyPendingEdit()
{
    // The field keeps the window's focus while a command acts without taking it, even while
    // a menu is open or the window is inactive.
    QWidget *editing = focusWidget();
    if (editing == nameField && nameField->isModified())
        return applyTypedName();
    for (const NotationField &field : fields) {
        if (field.edit == editing && editPending && !writingViews)
            return applyFieldEdit(field);
    }
}

void MainWindow::applyTypedName()
{
    if (writingViews)
        return;
    if (const TypedColor css = TypedColor::of(nameField->text()); css.kind == TypedColor::Kind::Refused)
        return refuseTypedCss(css.reading.reason);
    updateColor(ColorSource::Name);
}

void MainWindow::applySliderMove(QScrollBar *slider)
{
    if (writingViews)
        return;
    const int moved = slider->value();
    applyPendingEdit();
    // An applied edit rewrote the sliders; the move still counts.
    {
        const QScopedValueRollback writing(writingViews, true);
        slider->setValue(moved);
    }
    if (lockToggle->isChecked())
        moveSlidersTogether(moved);
    updateColor(ColorSource::Sliders);
}

// ---- The palette toggles and the sample page ----

void MainWindow::snapToPalette(const PaletteToggle &toggle)
{
    if (writingViews)
        return;
    const bool ticked = toggle.button->isChecked();
    applyPendingEdit();
    if (!ticked) {
        // Only the program clears a toggle: ticking it again snaps the colour onto itself.
        toolkit.beep();
        toggle.button->setChecked(true);
        return;
    }
    const std::array<double, 3> typed = readNotation(ColorSource::Byte);
    const Rgb snapped = toggle.palette->nearest(makeWhole(typed[0]), makeWhole(typed[1]), makeWhole(typed[2]));
    for (int i = 0; i < 3; ++i)
        fields[i].edit->setText(QString::number(snapped.component(i)));
    updateColor(ColorSource::Byte);
}

void MainWindow::takeSampleColor(Rgb color)
{
    applyPendingEdit();
    // Each write is an ordinary slider change, handled before the next one.
    for (int i = 0; i < 3; ++i)
        sliders[i]->setValue(color.component(i));
    updateColor(ColorSource::Sliders);
}

// ---- Colours from outside: the colour dialog, the screen, the clipboard ----

void MainWindow::pickColorFromDialog()
{
    applyPendingEdit();
    const ColorDialogResult result = toolkit.pickColor();
    if (result.outcome == DialogOutcome::Cancelled)
        return;
    if (result.outcome == DialogOutcome::Failed)
        return toolkit.showMessage(
            tr("Error %1 selecting color.\r\n%2").arg(result.errorNumber).arg(result.description));
    takeColor(result.color);
    emit colorExchanged(result.color);
}

void MainWindow::pickFromScreen()
{
    applyPendingEdit();
    screenPick->start(this);
}

void MainWindow::takeCssText(const QString &text)
{
    const CssReading reading = readCssColor(text.trimmed());
    if (!reading.ok)
        return toolkit.showMessage(noColorMessage(reading.reason));
    takeColor(reading.bytes);
    emit colorExchanged(reading.bytes);
}

void MainWindow::takeColor(Rgb color)
{
    outsideColor = color;
    updateColor(ColorSource::Outside);
}
