// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "palettewindow/palettekeeper.h"

#include "palettewindow/palettelibrary.h"
#include "palettewindow/paletteswindow.h"
#include "tables/usersettings.h"
#include "window/mainwindow.h"

#include <QEvent>
#include <QMenu>
#include <QSettings>
#include <QTimer>
#include <QWindow>

namespace {

const QString openKey = QStringLiteral("palettes/open");

} // namespace

PaletteKeeper::PaletteKeeper(Toolkit &toolkit, MainWindow *window, QMenu *menu)
    : QObject(window)
    , toolkit(toolkit)
    , window(window)
    , palettes(new PaletteLibrary(toolkit, PaletteStore::defaultFolder(), this))
{
    QAction *last = menu->actions().value(menu->actions().size() - 1);
    auto *open = new QAction(tr("&Palettes"), this);
    open->setObjectName(QStringLiteral("mnuFilePalettes"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(open, &QAction::triggered, this, [this] { showPalettes(); });
    addToPalette = new QAction(tr("&Add to Palette"), this);
    addToPalette->setObjectName(QStringLiteral("mnuFileAddToPalette"));
    addToPalette->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(addToPalette, &QAction::triggered, this, &PaletteKeeper::addCurrentColor);
    menu->insertActions(last, {open, addToPalette});
    menu->insertSeparator(last);
    window->addActions({open, addToPalette}); // the shortcuts work while the menu is closed
    connect(menu, &QMenu::aboutToShow, this, &PaletteKeeper::nameTarget);

    connect(window, &MainWindow::colorExchanged, palettes, &PaletteLibrary::record);
    window->installEventFilter(this);
    QTimer::singleShot(0, this, &PaletteKeeper::afterStart); // nothing of this holds up the start
}

void PaletteKeeper::afterStart()
{
    startColor = window->currentColor();
    if (!QSettings(UserSettings::file(), QSettings::IniFormat).value(openKey).toBool())
        return;
    // Open at the end, the Palettes window comes back once the main window is on the screen.
    QWindow *shownFirst = window->windowHandle();
    if (shownFirst && !shownFirst->isExposed())
        return shownFirst->installEventFilter(this);
    showPalettes(false); // the main window keeps the focus
}

// The menu names the palette the colour goes to.
void PaletteKeeper::nameTarget()
{
    const QString target = palettes->chosen();
    addToPalette->setText(target.isEmpty()
            ? tr("&Add to a New Palette")
            : tr("&Add to \"%1\"").arg(palettes->shownName(target).replace(u'&', QLatin1String("&&"))));
}

void PaletteKeeper::showPalettes(bool activate)
{
    if (!shown) {
        shown = new PalettesWindow(toolkit, palettes, window);
        connect(shown, &PalettesWindow::colorChosen, window, [this](Rgb color) {
            window->applyPendingEdit();
            window->takeColor(color);
        });
        connect(shown, &PalettesWindow::currentColorWanted, this, &PaletteKeeper::addCurrentColor);
    }
    shown->setAttribute(Qt::WA_ShowWithoutActivating, !activate);
    shown->show();
    if (activate) {
        shown->raise();
        shown->activateWindow();
    }
}

void PaletteKeeper::addCurrentColor()
{
    window->applyPendingEdit();
    const Rgb color = window->currentColor();
    QString target = palettes->chosen();
    if (target.isEmpty())
        target = palettes->create({tr("My Colors"), {}, 0, {}});
    if (target.isEmpty())
        return;
    const int row = palettes->add(target, {{color, {}}});
    palettes->choose(target);
    if (shown)
        shown->showSwatch(target, row);
}

bool PaletteKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == window)
        atEnd();
    if (event->type() == QEvent::Expose && watched == window->windowHandle() && window->windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { showPalettes(false); });
    }
    return false;
}

// The program ends with the main window: History takes the colour, and the Palettes window's
// place and whether it was open are kept for the next start.
void PaletteKeeper::atEnd()
{
    palettes->tellOnStandardError();
    if (startColor && window->currentColor() != *startColor)
        palettes->record(window->currentColor());
    const bool open = shown && shown->isVisible();
    if (shown)
        shown->close();
    QSettings(UserSettings::file(), QSettings::IniFormat).setValue(openKey, open);
}
