// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/samplepage.h"

#include "widgets/picturebox.h"
#include "window/samplepagedragdrop.h"
#include "window/toolkit.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

namespace {

constexpr int badgeGap = 2; // between the vision badge and the page's corner

// The sample page as it starts: white, black text, a strong red link, a violet visited link.
const SampleColors defaultSamples{
    .back = {255, 255, 255}, .text = {0, 0, 0}, .link = {230, 0, 0}, .vlink = {79, 16, 128}};

QColor colorOf(Rgb c)
{
    return QColor(c.red, c.green, c.blue);
}

} // namespace

SamplePage::SamplePage(Toolkit &toolkit, QWidget *clientArea, QWidget *swatch, SamplePageDragDrop *dragDrop)
    : QObject(clientArea)
    , toolkit(toolkit)
    , swatch(swatch)
{
    const auto control
        = [clientArea](const char *name) { return clientArea->findChild<QWidget *>(QLatin1String(name)); };
    parts = {{{control("picBack"), &SampleColors::back}, {control("txtText"), &SampleColors::text},
        {control("txtLink"), &SampleColors::link}, {control("txtVLink"), &SampleColors::vlink}}};
    createMenu();
    for (const Part &part : parts)
        dragDrop->attach(part.control, true);
    connect(dragDrop, &SamplePageDragDrop::dropped, this, [this](QWidget *dragged, QWidget *target) {
        if (const Part *part = partOf(target); part && dragged == this->swatch)
            colorPart(*part);
        else if (const Part *from = partOf(dragged); from && target == this->swatch)
            emit colorChosen(samples.*from->triple);
    });
    // A palette's swatch dropped on a part gives it the swatch's colour, as the swatch gives its own.
    connect(dragDrop, &SamplePageDragDrop::swatchDropped, this, [this](QWidget *target, Rgb color) {
        if (const Part *part = partOf(target)) {
            emit currentColorNeeded();
            showColor(*part, color);
            describe();
        }
    });
    // Out of the window, a part carries its colour as the swatch does, to another Rusket too.
    connect(dragDrop, &SamplePageDragDrop::dragStarting, this, [this](QWidget *dragged, QMimeData *data) {
        if (const Part *part = partOf(dragged))
            SamplePageDragDrop::carryColor(data, samples.*part->triple);
    });
    connect(dragDrop, &SamplePageDragDrop::contextMenuRequested, this, [this](QWidget *control, QPoint globalPos) {
        if (const Part *part = partOf(control)) {
            menuPart = part;
            menu->popup(globalPos);
        }
    });
}

void SamplePage::createMenu()
{
    struct Command
    {
        const char *name;
        const char *caption; // none: a separator
        void (SamplePage::*handler)();
    };
    // clang-format off
    const Command commands[] = {
        {"mnuEditCopyCSS",  QT_TR_NOOP("Copy as CSS"),             &SamplePage::copyAsCss},
        {"mnuEditCopyHTML", QT_TR_NOOP("Copy as HTML"),            &SamplePage::copyAsHtml},
        {"mnuEditSep",      nullptr,                               nullptr},
        {"mnuEditSetDef",   QT_TR_NOOP("Set Default"),             &SamplePage::setDefaultColors},
        {"mnuEditApply",    QT_TR_NOOP("Apply Current Color"),     &SamplePage::applyCurrentColor},
        {"mnuEditTake",     QT_TR_NOOP("Make This Color Current"), &SamplePage::makeColorCurrent},
    };
    // clang-format on
    menu = new QMenu(tr("&Edit"), parts[0].control->window());
    menu->setObjectName(QStringLiteral("mnuEdit"));
    for (const Command &command : commands) {
        QAction *action = command.caption ? menu->addAction(tr(command.caption)) : menu->addSeparator();
        action->setObjectName(QLatin1String(command.name));
        if (command.handler)
            connect(action, &QAction::triggered, this, command.handler);
    }
    createVisionMenu();
    menu->addSeparator()->setObjectName(QStringLiteral("mnuEditSep2"));
    // The page's contrast, filled in as the menu opens; choosing a line copies it.
    for (QAction *&line : contrastActions) {
        line = menu->addAction(QString());
        connect(line, &QAction::triggered, this, [this, line] { copyToClipboard(line->text()); });
    }
    connect(menu, &QMenu::aboutToShow, this, &SamplePage::showContrastLines);
}

void SamplePage::createVisionMenu()
{
    QMenu *simulate = menu->addMenu(tr("Simulate &Vision"));
    simulate->setObjectName(QStringLiteral("mnuEditVision"));
    auto *choices = new QActionGroup(simulate);
    for (VisionDeficiency deficiency : allVisionDeficiencies) {
        QAction *choice = simulate->addAction(simulationName(deficiency));
        choice->setObjectName(QStringLiteral("actVision%1").arg(int(deficiency)));
        choice->setCheckable(true);
        choice->setChecked(deficiency == VisionDeficiency::None);
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, deficiency] { simulateVision(deficiency); });
    }
    visionBadge = new QLabel(parts[0].control);
    visionBadge->setObjectName(QStringLiteral("lblVision"));
    visionBadge->setAttribute(Qt::WA_TransparentForMouseEvents);
    visionBadge->setAutoFillBackground(true);
    visionBadge->setPalette(QPalette(Qt::white, Qt::black)); // white on black, whatever the page's colours
    visionBadge->setForegroundRole(QPalette::WindowText);
    visionBadge->setContentsMargins(3, 0, 3, 0);
    visionBadge->hide();
}

QString SamplePage::seenWith(VisionDeficiency deficiency)
{
    switch (deficiency) {
    case VisionDeficiency::None: return {};
    case VisionDeficiency::Protanopia: return tr("protanopia (no red cones)");
    case VisionDeficiency::Deuteranopia: return tr("deuteranopia (no green cones)");
    case VisionDeficiency::Tritanopia: return tr("tritanopia (no blue cones)");
    case VisionDeficiency::Achromatopsia: return tr("achromatopsia (no color)");
    }
    return {};
}

QString SamplePage::simulationName(VisionDeficiency deficiency)
{
    switch (deficiency) {
    case VisionDeficiency::None: return tr("Normal Vision");
    case VisionDeficiency::Protanopia: return tr("Protanopia (no red cones)");
    case VisionDeficiency::Deuteranopia: return tr("Deuteranopia (no green cones)");
    case VisionDeficiency::Tritanopia: return tr("Tritanopia (no blue cones)");
    case VisionDeficiency::Achromatopsia: return tr("Achromatopsia (no color)");
    }
    return {};
}

const SamplePage::Part *SamplePage::partOf(const QWidget *control) const
{
    for (const Part &part : parts) {
        if (part.control == control)
            return &part;
    }
    return nullptr;
}

void SamplePage::setDefaultColors()
{
    for (const Part &part : parts)
        showColor(part, defaultSamples.*part.triple);
    describe();
}

void SamplePage::showColor(const Part &part, Rgb color)
{
    samples.*part.triple = color;
    setShownColor(part.control, colorOf(::simulateVision(color, simulated)));
}

void SamplePage::colorPart(const Part &part)
{
    emit currentColorNeeded();
    showColor(part, current);
    describe();
}

void SamplePage::describe()
{
    // Each text tells its contrast on the background; the background tells all three.
    const QStringList lines = shownContrastLines();
    for (int i = 0; i < 4; ++i) {
        const QString contrast = i == 0 ? lines.join(u'\n') : lines[i - 1];
        parts[i].control->setToolTip(contrast);
        parts[i].control->setAccessibleDescription(contrast);
    }
}

QStringList SamplePage::shownContrastLines() const
{
    // While a simulation is on, the contrast is of the colours as drawn, and says so.
    if (simulated == VisionDeficiency::None)
        return contrastLines(samples);
    SampleColors seen = samples;
    for (Rgb *color : {&seen.back, &seen.text, &seen.link, &seen.vlink})
        *color = ::simulateVision(*color, simulated);
    QStringList lines = contrastLines(seen);
    for (QString &line : lines)
        line = tr("%1, as seen with %2").arg(line, seenWith(simulated));
    return lines;
}

void SamplePage::showContrastLines()
{
    const QStringList lines = shownContrastLines();
    for (int i = 0; i < 3; ++i)
        contrastActions[i]->setText(lines[i]);
}

void SamplePage::simulateVision(VisionDeficiency deficiency)
{
    simulated = deficiency;
    for (const Part &part : parts)
        showColor(part, samples.*part.triple);
    describe();
    showVisionBadge();
}

void SamplePage::showVisionBadge()
{
    // Named where no sighted reader can miss it, and for screen readers in the page's name.
    const bool on = simulated != VisionDeficiency::None;
    const QWidget *page = visionBadge->parentWidget();
    const QMargins margins = visionBadge->contentsMargins();
    const int room = page->width() - 2 * badgeGap - margins.left() - margins.right();
    const QString name = on ? tr("Simulated: %1").arg(simulationName(simulated)) : QString();
    visionBadge->setText(visionBadge->fontMetrics().elidedText(name, Qt::ElideRight, room)); // longer in German
    visionBadge->adjustSize();
    visionBadge->move(
        page->width() - visionBadge->width() - badgeGap, page->height() - visionBadge->height() - badgeGap);
    visionBadge->setVisible(on);
    parts[0].control->setAccessibleName(on ? tr("Sample page background, simulating %1").arg(simulationName(simulated))
                                           : QCoreApplication::translate("ControlTable", "Sample page background"));
}

void SamplePage::applyCurrentColor()
{
    if (menuPart)
        colorPart(*menuPart);
}

void SamplePage::makeColorCurrent()
{
    if (menuPart)
        emit colorChosen(samples.*menuPart->triple);
}

void SamplePage::copyAsCss()
{
    copyToClipboard(cssText(samples));
}

void SamplePage::copyAsHtml()
{
    copyToClipboard(htmlText(samples));
}

void SamplePage::copyToClipboard(const QString &text)
{
    if (!toolkit.setClipboardText(text))
        toolkit.showMessage(tr("The clipboard could not be written. Please try again."));
}
