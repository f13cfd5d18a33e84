// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "window/mainmenus.h"

#include "artwork/artwork.h"
#include "help/aboutwindow.h"
#include "help/infotext.h"
#include "window/toolkit.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(Toolkit &toolkit, QMainWindow *window)
    : QObject(window)
    , toolkit(toolkit)
    , window(window)
{
    struct MenuItem
    {
        const char *name;
        const char *caption;
        QKeySequence shortcut;
        std::function<void()> handler;
    };
    struct Menu
    {
        const char *name;
        const char *caption;
        std::initializer_list<MenuItem> items;
    };
    // clang-format off
    const Menu menus[] = {
        {"mnuFile", QT_TR_NOOP("&File"), {
            {"mnuFileExit", QT_TR_NOOP("E&xit"), {}, [window] { window->close(); }}, // About closes with it
        }},
        {"mnuQuestion", QT_TR_NOOP("&?"), {
            {"mnuQuestionInfo", QT_TR_NOOP("&Info"), {}, [this] { showInfo(); }},
            {"mnuQuestionAbout", QT_TR_NOOP("&About"), QKeySequence(Qt::Key_F1), [this] { showAbout(); }},
        }},
    };
    // clang-format on
    window->installEventFilter(this);
    for (const Menu &m : menus) {
        QMenu *menu = window->menuBar()->addMenu(tr(m.caption));
        menu->setObjectName(QLatin1String(m.name));
        for (const MenuItem &item : m.items) {
            QAction *action = menu->addAction(tr(item.caption), this, item.handler);
            action->setObjectName(QLatin1String(item.name));
            if (!item.shortcut.isEmpty()) {
                action->setShortcut(item.shortcut);
                window->addAction(action); // the shortcut works while the menu is closed
            }
        }
    }
}

MainMenus::~MainMenus() = default;

QMenu *MainMenus::menu(const char *name) const
{
    return window->menuBar()->findChild<QMenu *>(QLatin1String(name));
}

void MainMenus::showInfo()
{
    toolkit.showMessage(infoMessage());
}

void MainMenus::showAbout()
{
    if (!about)
        about = std::make_unique<AboutWindow>(Artwork::aboutPicture(window->devicePixelRatioF()));
    about->show();
    about->raise();
    about->activateWindow();
}

bool MainMenus::eventFilter(QObject *, QEvent *event)
{
    // The About window belongs to the main one: closing the main window ends the program.
    if (event->type() == QEvent::Close && about)
        about->close();
    return false;
}
