// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/screenpick.h"

#include "picking/portalcolorpicker.h"

#include <QAction>
#include <QGuiApplication>
#include <QWidget>

ScreenPick::ScreenPick(QObject *parent)
    : QObject(parent)
    , portal(new PortalColorPicker(this))
{
    const auto ended = [this] { emit waitingOnPortal(false); };
    connect(portal, &PortalColorPicker::picked, this, ended);
    connect(portal, &PortalColorPicker::cancelled, this, ended);
    connect(portal, &PortalColorPicker::failed, this, ended);
    connect(portal, &PortalColorPicker::unsupported, this, ended);
    connect(portal, &PortalColorPicker::picked, this, &ScreenPick::picked);
    connect(portal, &PortalColorPicker::cancelled, this, &ScreenPick::cancelled);
    connect(portal, &PortalColorPicker::failed, this, &ScreenPick::failed);
    connect(portal, &PortalColorPicker::unsupported, this, [this] {
        startOverlay(tr("Pick from Screen is not available here: the desktop portal has no color picker and "
                        "there is no X11 screen to read."));
    });
}

void ScreenPick::start(const QWidget *window)
{
    if (isOverlayShown())
        return; // the overlay holds the keyboard and the mouse until it closes
    portal->close();
    if (PortalColorPicker::available()) {
        // The portal knows an X11 window by its id ("x11:1a2b"); under Wayland by no name we have.
        const bool x11 = window && QGuiApplication::platformName() == QLatin1String("xcb");
        portal->pick(x11 ? QStringLiteral("x11:") + QString::number(window->winId(), 16) : QString());
        explain(QT_TR_NOOP("The desktop's color picker takes a single pixel."));
        emit waitingOnPortal(true);
    } else
        startOverlay(tr("Pick from Screen is not available here: there is no desktop portal "
                        "(org.freedesktop.portal.Desktop) and no X11 screen to read."));
}

void ScreenPick::abandon()
{
    portal->close();
    emit waitingOnPortal(false);
}

void ScreenPick::withdrawWithEscape(QWidget *window)
{
    auto *withdraw = new QAction(window);
    withdraw->setObjectName(QStringLiteral("actAbandonPick"));
    withdraw->setShortcut(QKeySequence(Qt::Key_Escape));
    withdraw->setEnabled(false);
    window->addAction(withdraw);
    connect(withdraw, &QAction::triggered, this, &ScreenPick::abandon);
    connect(this, &ScreenPick::waitingOnPortal, withdraw, &QAction::setEnabled);
}

bool ScreenPick::isWaitingOnPortal() const
{
    return portal->isWaiting();
}

void ScreenPick::startOverlay(const QString &whyNotAvailable)
{
    overlay = openOverlay();
    if (!overlay)
        return emit failed(whyNotAvailable);
    explain(QT_TR_NOOP("+ and - sample 1, 3×3, 5×5 or 9×9 pixels; Shift with the click keeps picking."));
    connect(overlay, &ScreenGrabPicker::picked, this, &ScreenPick::picked);
    connect(overlay, &ScreenGrabPicker::kept, this, &ScreenPick::kept);
    connect(overlay, &ScreenGrabPicker::cancelled, this, &ScreenPick::cancelled);
}

void ScreenPick::explain(const char *how)
{
    if (explained) {
        explained->setToolTip(tr(how));
        explained->setStatusTip(tr(how));
    }
}
