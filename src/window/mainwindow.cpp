// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/mainwindow.h"

#include "artwork/artwork.h"
#include "css/cssformats.h"
#include "css/csscolorreader.h"
#include "help/aboutwindow.h"
#include "help/infotext.h"
#include "picking/screenpick.h"
#include "tables/datafiles.h"
#include "widgets/picturebox.h"
#include "window/controltable.h"
#include "window/samplepagedragdrop.h"
#include "window/toolkit.h"
#include "values/contrast.h"
#include "values/conversions.h"
#include "values/entryreading.h"
#include "values/notationtexts.h"
#include "values/rangecheck.h"
#include "values/twips.h"
#include "rusketversion.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QShortcut>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr int badgeGap = 2; // between the vision badge and the page's corner

// clang-format off
const char *const fieldNames[9] = {
    "redByte", "greenByte", "blueByte",
    "redPercent", "greenPercent", "bluePercent",
    "redHex", "greenHex", "blueHex",
};
// clang-format on
const char *const sliderNames[3] = {"redSlide", "greenSlide", "blueSlide"};

// The sample page as it starts: white, black text, a strong red link, a violet visited link.
const SampleColors defaultSamples{
    .back = {255, 255, 255}, .text = {0, 0, 0}, .link = {230, 0, 0}, .vlink = {79, 16, 128}};

QColor colorOf(Rgb c)
{
    return QColor(c.red, c.green, c.blue);
}

// The program's writes show a field's beginning; the field the user is in keeps its cursor.
void showText(QLineEdit *field, const QString &text)
{
    field->setText(text);
    if (!field->hasFocus())
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
    createMenus();
    createScreenPick();
    connectHandlers();
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
    paletteToggles = {{{qobject_cast<QToolButton *>(control("chkNetscape")), &netscape},
        {qobject_cast<QToolButton *>(control("chkWindows")), &windows}}};
    sampleParts = {{{control("picBack"), &SampleColors::back}, {control("txtText"), &SampleColors::text},
        {control("txtLink"), &SampleColors::link}, {control("txtVLink"), &SampleColors::vlink}}};
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

void MainWindow::createMenus()
{
    struct MenuItem
    {
        const char *name;
        const char *caption;
        QKeySequence shortcut;
        void (MainWindow::*handler)();
    };
    struct Menu
    {
        const char *name;
        const char *caption;
        bool inMenuBar;
        std::initializer_list<MenuItem> items;
    };
    // clang-format off
    const Menu menus[] = {
        {"mnuFile", QT_TR_NOOP("&File"), true, {
            {"mnuFileExit", QT_TR_NOOP("E&xit"), {}, &MainWindow::exitProgram},
        }},
        {"mnuEdit", QT_TR_NOOP("&Edit"), false, {
            {"mnuEditCopyCSS", QT_TR_NOOP("Copy as CSS"), {}, &MainWindow::copySampleAsCss},
            {"mnuEditCopyHTML", QT_TR_NOOP("Copy as HTML"), {}, &MainWindow::copySampleAsHtml},
            {"mnuEditSep", "-", {}, nullptr},
            {"mnuEditSetDef", QT_TR_NOOP("Set Default"), {}, &MainWindow::setDefaultSampleColors},
            {"mnuEditApply", QT_TR_NOOP("Apply Current Color"), {}, &MainWindow::applyCurrentColorToPart},
            {"mnuEditTake", QT_TR_NOOP("Make This Color Current"), {}, &MainWindow::makePartColorCurrent},
            {"mnuEditSep2", "-", {}, nullptr},
        }},
        {"mnuQuestion", QT_TR_NOOP("&?"), true, {
            {"mnuQuestionInfo", QT_TR_NOOP("&Info"), {}, &MainWindow::showInfo},
            {"mnuQuestionAbout", QT_TR_NOOP("&About"), QKeySequence(Qt::Key_F1), &MainWindow::showAbout},
        }},
    };
    // clang-format on

    for (const Menu &m : menus) {
        auto *menu = new QMenu(tr(m.caption), this);
        menu->setObjectName(QLatin1String(m.name));
        for (const MenuItem &item : m.items) {
            QAction *action = item.handler ? menu->addAction(tr(item.caption)) : menu->addSeparator();
            action->setObjectName(QLatin1String(item.name));
            if (!item.shortcut.isEmpty()) {
                action->setShortcut(item.shortcut);
                addAction(action); // the shortcut works while the menu is closed
            }
            if (item.handler)
                connect(action, &QAction::triggered, this, item.handler);
        }
        if (m.inMenuBar)
            menuBar()->addMenu(menu);
        else
            sampleMenu = menu;
    }
    createVisionMenu();
    // The page's contrast, filled in as the menu opens; choosing a line copies it.
    for (QAction *&line : contrastActions) {
        line = sampleMenu->addAction(QString());
        connect(line, &QAction::triggered, this, [this, line] { copyToClipboard(line->text()); });
    }
}

void MainWindow::createVisionMenu()
{
    QMenu *simulate = new QMenu(tr("Simulate &Vision"), sampleMenu);
    simulate->setObjectName(QStringLiteral("mnuEditVision"));
    sampleMenu->insertMenu(sampleMenu->actions().last(), simulate); // before the contrast lines' separator
    auto *choices = new QActionGroup(simulate);
    for (VisionDeficiency deficiency : allVisionDeficiencies) {
        QAction *choice = simulate->addAction(simulationName(deficiency));
        choice->setObjectName(QStringLiteral("actVision%1").arg(int(deficiency)));
        choice->setCheckable(true);
        choice->setChecked(deficiency == VisionDeficiency::None);
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, deficiency] { simulateVisionOnPage(deficiency); });
    }
    visionBadge = new QLabel(sampleParts[0].control);
    visionBadge->setObjectName(QStringLiteral("lblVision"));
    visionBadge->setAttribute(Qt::WA_TransparentForMouseEvents);
    visionBadge->setAutoFillBackground(true);
    visionBadge->setPalette(QPalette(Qt::white, Qt::black)); // white on black, whatever the page's colours
    visionBadge->setForegroundRole(QPalette::WindowText);
    visionBadge->setContentsMargins(3, 0, 3, 0);
    visionBadge->hide();
}

QString MainWindow::seenWith(VisionDeficiency deficiency)
{
    switch (deficiency) {
    case VisionDeficiency::None: return {};
    case VisionDeficiency::Protanopia: return tr("protanopia (no red cones)");
    case VisionDeficiency::Deuteranopia: return tr("deuteranopia (no green cones)");
    case VisionDeficiency::Tritanopia: return tr("tritanopia (no blue cones)");
    case VisionDeficiency::Achromatopsia: return tr("achromatopsia (no colour)");
    }
    return {};
}

QString MainWindow::simulationName(VisionDeficiency deficiency)
{
    switch (deficiency) {
    case VisionDeficiency::None: return tr("Normal Vision");
    case VisionDeficiency::Protanopia: return tr("Protanopia (no red cones)");
    case VisionDeficiency::Deuteranopia: return tr("Deuteranopia (no green cones)");
    case VisionDeficiency::Tritanopia: return tr("Tritanopia (no blue cones)");
    case VisionDeficiency::Achromatopsia: return tr("Achromatopsia (no colour)");
    }
    return {};
}

void MainWindow::createScreenPick()
{
    auto *pick = new QAction(tr("Pick from Screen"), this);
    pick->setObjectName(QStringLiteral("actPickFromScreen"));
    pick->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(pick, &QAction::triggered, this, &MainWindow::pickFromScreen);
    addAction(pick); // the shortcut works anywhere in the window
    createSwatchMenu(pick);

    // While a pick waits on the desktop portal, Escape withdraws it without a word.
    auto *abandon = new QAction(this);
    abandon->setObjectName(QStringLiteral("actAbandonPick"));
    abandon->setShortcut(QKeySequence(Qt::Key_Escape));
    abandon->setEnabled(false);
    addAction(abandon);
    screenPick = new ScreenPick(this);
    connect(abandon, &QAction::triggered, screenPick, &ScreenPick::abandon);
    connect(screenPick, &ScreenPick::waitingOnPortal, abandon, &QAction::setEnabled);
    connect(screenPick, &ScreenPick::picked, this, &MainWindow::takeColor);
    connect(screenPick, &ScreenPick::failed, this, [this](const QString &message) { toolkit.showMessage(message); });
}

void MainWindow::createSwatchMenu(QAction *pick)
{
    swatchMenu = new QMenu(this);
    swatchMenu->setObjectName(QStringLiteral("mnuSwatch"));
    swatchMenu->addAction(pick);
    QAction *paste = swatchMenu->addAction(tr("Paste Color"), this, &MainWindow::pasteColor);
    paste->setObjectName(QStringLiteral("actPasteColor"));
    // Ctrl+V pastes a colour where the focus is in no text field; a field takes it itself.
    auto *pasteKey = new QShortcut(QKeySequence::Paste, this);
    connect(pasteKey, &QShortcut::activated, this, [this] {
        if (!qobject_cast<QLineEdit *>(focusWidget()))
            pasteColor();
    });
    // Ctrl+C on the focused swatch copies its colour as #rrggbb.
    auto *copyKey = new QShortcut(QKeySequence::Copy, swatch);
    copyKey->setContext(Qt::WidgetShortcut);
    connect(copyKey, &QShortcut::activated, this,
        [this] { copyToClipboard(CssFormats::write(sliderColor(), CssFormat::Hex)); });
    QMenu *copyAs = swatchMenu->addMenu(tr("Copy as"));
    copyAs->setObjectName(QStringLiteral("mnuCopyAs"));
    for (CssFormat format : CssFormats::all) {
        QAction *copy = copyAs->addAction(QString());
        copy->setObjectName(QStringLiteral("actCopyAs-") + QLatin1String(CssFormats::nameOf(format)));
        connect(copy, &QAction::triggered, this,
            [this, format] { copyToClipboard(CssFormats::write(sliderColor(), format)); });
    }
    // Each entry shows what it copies, for the colour current as the menu opens.
    connect(swatchMenu, &QMenu::aboutToShow, this, [this, copyAs] {
        applyPendingEdit();
        for (int i = 0; i < int(CssFormats::all.size()); ++i) {
            const QString text = CssFormats::write(sliderColor(), CssFormats::all[i]);
            QAction *copy = copyAs->actions().at(i);
            copy->setText(QLatin1String(CssFormats::nameOf(CssFormats::all[i])) + u'\t' + text);
            copy->setEnabled(!text.isEmpty());
        }
    });
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

    dragDrop = new SamplePageDragDrop(toolkit, this);
    dragDrop->attach(swatch, true, true);
    swatch->installEventFilter(this);
    for (const SamplePart &part : sampleParts)
        dragDrop->attach(part.control, true);
    connect(dragDrop, &SamplePageDragDrop::dropped, this, [this](QWidget *dragged, QWidget *target) {
        applyPendingEdit();
        if (target == swatch)
            return takeSampleColor(dragged);
        for (const SamplePart &part : sampleParts) {
            if (part.control == target)
                colorSamplePart(part, dragged);
        }
    });
    connect(dragDrop, &SamplePageDragDrop::dragStarting, this, [this](QWidget *dragged, QMimeData *data) {
        applyPendingEdit();
        if (dragged != swatch)
            return;
        // Out of the window, the swatch carries its colour as text and as a colour.
        const Rgb current = sliderColor();
        data->setText(CssFormats::write(current, CssFormat::Hex));
        data->setColorData(colorOf(current));
    });
    connect(dragDrop, &SamplePageDragDrop::textDropped, this, [this](QWidget *, const QString &text) {
        applyPendingEdit();
        takeCssText(text);
    });
    connect(dragDrop, &SamplePageDragDrop::contextMenuRequested, this, &MainWindow::showSampleMenu);
    connect(sampleMenu, &QMenu::aboutToShow, this, &MainWindow::showContrastLines);
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
    if (std::optional<LoadError> error = loadPalettes())
        return error;
    setDefaultSampleColors();
    if (std::optional<LoadError> error = loadColorNames())
        return error;
    updateColor(ColorSource::Sliders);
    return std::nullopt;
}

std::optional<LoadError> MainWindow::loadPalettes()
{
    if (std::optional<LoadError> error
        = loadDataFile("netscape.pal", [this](const QString &path) { return netscape.load(path, 216); }))
        return error;
    return loadDataFile("windows.pal", [this](const QString &path) { return windows.load(path, 16); });
}

std::optional<LoadError> MainWindow::loadColorNames()
{
    return loadDataFile("color_names.txt", [this](const QString &path) { return names.load(path); });
}

std::optional<LoadError> MainWindow::loadDataFile(const char *name, const DataFileLoader &load)
{
    QString path;
    if (std::optional<LoadError> error
        = locateDataFile(toolkit.programFolder(), QStringLiteral(RUSKET_INSTALLED_DATA), QLatin1String(name), &path))
        return error;
    return load(path);
}

// ---- The synchroniser ----

void MainWindow::updateColor(ColorSource source)
{
    const std::array<double, 3> read = readColor(source);
    Rgb color;
    NotationTexts texts;
    {
        const QScopedValueRollback writing(writingViews, true);
        color.red = quint8(validateEntry(makeWhole(read[0]), source));
        color.green = quint8(validateEntry(makeWhole(read[1]), source));
        color.blue = quint8(validateEntry(makeWhole(read[2]), source));
        texts = NotationTexts::of(color, QLocale());
        writeViews(color, texts);
    }

    setShownColor(swatch, colorOf(color));
    showText(combinedTexts[0], texts.byteShow);
    showText(combinedTexts[1], texts.percentShow);
    showText(combinedTexts[2], texts.hexShow);
    const QString swatchHelp
        = tr("On white %1, on black %2\nPick from Screen: right-click or Ctrl+Shift+P")
              .arg(ratioText(contrastRatio(color, {255, 255, 255})), ratioText(contrastRatio(color, {0, 0, 0})));
    swatch->setToolTip(swatchHelp);
    swatch->setAccessibleDescription(swatchHelp);
    editPending = false;
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
        if (!names.findColorByName(nameField->text(), color)) {
            const CssReading reading = readCssColor(nameField->text().trimmed());
            color = reading.ok ? reading.bytes : color;
        }
        return componentsOf(color);
    }
    case ColorSource::Dialog: return componentsOf(Rgb::fromPacked(confirmedColor));
    case ColorSource::Sliders: break;
    }
    return componentsOf(sliderColor());
}

std::array<double, 3> MainWindow::readNotation(ColorSource notation) const
{
    std::array<double, 3> components{};
    for (const NotationField &field : fields) {
        if (field.notation != notation)
            continue;
        const QString text = field.edit->text();
        double value = 0;
        if (notation == ColorSource::Byte)
            value = readLenientDecimal(text);
        else if (notation == ColorSource::Percent)
            value = percentToComponent(readPercentText(text, QLocale()));
        else
            value = hexToByte(text);
        // Blue is a single-precision value from the start; red and green are not.
        components[field.component] = field.component == 2 ? toSinglePrecision(value) : value;
    }
    return components;
}

qint16 MainWindow::validateEntry(qint16 value, ColorSource notation)
{
    const RangeCheck checked = checkRange(value, notation);
    if (!checked.message.isEmpty())
        toolkit.showMessage(checked.message);
    return checked.value;
}

void MainWindow::writeViews(Rgb color, const NotationTexts &texts)
{
    const QStringList colorNames = names.findNamesByColor(color);
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
    // A CSS colour pasted into any notation field sets the whole colour.
    const QString text = field.edit->text().trimmed();
    static const QRegularExpression functional(QStringLiteral("^[a-zA-Z-]+\\("));
    if (text.startsWith(u'#') || functional.match(text).hasMatch()) {
        const CssReading reading = readCssColor(text);
        if (reading.ok)
            return takeColor(reading.bytes);
    }
    updateColor(field.notation);
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
    if (!writingViews)
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

// ---- The palette toggles ----

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

// ---- The sample page ----

void MainWindow::setDefaultSampleColors()
{
    for (const SamplePart &part : sampleParts)
        showSampleColor(part, defaultSamples.*part.triple);
    describeSamplePage();
}

void MainWindow::showSampleColor(const SamplePart &part, Rgb color)
{
    samples.*part.triple = color;
    setShownColor(part.control, colorOf(simulateVision(color, vision)));
}

void MainWindow::describeSamplePage()
{
    // Each text tells its contrast on the background; the background tells all three.
    const QStringList lines = shownContrastLines();
    for (int i = 0; i < 4; ++i) {
        const QString contrast = i == 0 ? lines.join(u'\n') : lines[i - 1];
        sampleParts[i].control->setToolTip(contrast);
        sampleParts[i].control->setAccessibleDescription(contrast);
    }
}

QStringList MainWindow::shownContrastLines() const
{
    // While a simulation is on, the contrast is of the colours as drawn, and says so.
    if (vision == VisionDeficiency::None)
        return contrastLines(samples);
    SampleColors seen = samples;
    for (Rgb *color : {&seen.back, &seen.text, &seen.link, &seen.vlink})
        *color = simulateVision(*color, vision);
    QStringList lines = contrastLines(seen);
    for (QString &line : lines)
        line = tr("%1, as seen with %2").arg(line, seenWith(vision));
    return lines;
}

void MainWindow::simulateVisionOnPage(VisionDeficiency deficiency)
{
    vision = deficiency;
    for (const SamplePart &part : sampleParts)
        showSampleColor(part, samples.*part.triple);
    describeSamplePage();
    // Named where no sighted reader can miss it, and for screen readers in the page's name.
    const bool on = deficiency != VisionDeficiency::None;
    const QWidget *page = visionBadge->parentWidget();
    const QMargins margins = visionBadge->contentsMargins();
    const int room = page->width() - 2 * badgeGap - margins.left() - margins.right();
    const QString name = on ? tr("Simulated: %1").arg(simulationName(deficiency)) : QString();
    visionBadge->setText(visionBadge->fontMetrics().elidedText(name, Qt::ElideRight, room)); // longer in German
    visionBadge->adjustSize();
    visionBadge->move(page->width() - visionBadge->width() - badgeGap, page->height() - visionBadge->height() - badgeGap);
    visionBadge->setVisible(on);
    sampleParts[0].control->setAccessibleName(on
            ? tr("Sample page background, simulating %1").arg(simulationName(deficiency))
            : QCoreApplication::translate("ControlTable", "Sample page background"));
}

SampleColors MainWindow::sampleColors() const
{
    return samples;
}

void MainWindow::colorSamplePart(const SamplePart &target, QWidget *dragged)
{
    if (dragged != swatch)
        return;
    applyPendingEdit();
    // The swatch and the sliders agree after every synchronisation: the shown colour and
    // the triple are the same.
    showSampleColor(target, sliderColor());
    describeSamplePage();
}

void MainWindow::takeSampleColor(QWidget *dragged)
{
    applyPendingEdit();
    for (const SamplePart &part : sampleParts) {
        if (part.control != dragged)
            continue;
        const Rgb triple = samples.*part.triple;
        // Each write is an ordinary slider change, handled before the next one.
        for (int i = 0; i < 3; ++i)
            sliders[i]->setValue(triple.component(i));
        updateColor(ColorSource::Sliders);
        return;
    }
}

void MainWindow::showSampleMenu(QWidget *part, QPoint globalPos)
{
    menuPart = part;
    (part == swatch ? swatchMenu : sampleMenu)->popup(globalPos);
}

void MainWindow::showContrastLines()
{
    const QStringList lines = shownContrastLines();
    for (int i = 0; i < 3; ++i)
        contrastActions[i]->setText(lines[i]);
}

void MainWindow::applyCurrentColorToPart()
{
    for (const SamplePart &part : sampleParts) {
        if (part.control == menuPart)
            colorSamplePart(part, swatch);
    }
}

void MainWindow::makePartColorCurrent()
{
    takeSampleColor(menuPart);
}

void MainWindow::copySampleAsCss()
{
    copyToClipboard(cssText(samples));
}

void MainWindow::copySampleAsHtml()
{
    copyToClipboard(htmlText(samples));
}

void MainWindow::copyToClipboard(const QString &text)
{
    if (!toolkit.setClipboardText(text))
        toolkit.showMessage(tr("The clipboard could not be written. Please try again."));
}

// ---- The colour dialog, help and exit ----

void MainWindow::pickColorFromDialog()
{
    applyPendingEdit();
    const ColorDialogResult result = toolkit.pickColor();
    if (result.outcome == DialogOutcome::Cancelled)
        return;
    if (result.outcome == DialogOutcome::Failed) {
        toolkit.showMessage(tr("Error %1 selecting color.\r\n%2").arg(result.errorNumber).arg(result.description));
        return;
    }
    confirmedColor = result.color;
    updateColor(ColorSource::Dialog);
}

void MainWindow::pickFromScreen()
{
    applyPendingEdit();
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    screenPick->start(x11 ? QStringLiteral("x11:") + QString::number(winId(), 16) : QString());
}

bool MainWindow::isPickingFromScreen() const
{
    return screenPick->isOpen();
}

void MainWindow::pasteColor()
{
    applyPendingEdit();
    takeCssText(toolkit.clipboardText());
}

void MainWindow::takeCssText(const QString &text)
{
    const CssReading reading = readCssColor(text.trimmed());
    if (!reading.ok)
        return toolkit.showMessage(tr("This is no colour: %1.").arg(reading.reason));
    takeColor(reading.bytes);
}

void MainWindow::takeColor(Rgb color)
{
    confirmedColor = color.packed();
    updateColor(ColorSource::Dialog);
}

void MainWindow::showInfo()
{
    toolkit.showMessage(infoMessage());
}

void MainWindow::showAbout()
{
    if (!about)
        about = std::make_unique<AboutWindow>(Artwork::aboutPicture(devicePixelRatioF()));
    about->show();
    about->raise();
    about->activateWindow();
}

void MainWindow::exitProgram()
{
    close(); // the last window closed, About with it: the program ends
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The About window belongs to the main one: closing the main window ends the program.
    if (about)
        about->close();
    QMainWindow::closeEvent(event);
}
