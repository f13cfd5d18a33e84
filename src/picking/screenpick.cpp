// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/screenpick.h"

#include "picking/portalcolorpicker.h"

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
    connect(portal, &PortalColorPicker::failed, this, &ScreenPick::failed);
    connect(portal, &PortalColorPicker::unsupported, this, [this] {
        startOverlay(tr("Pick from Screen is not available here: the desktop portal has no colour picker and "
                        "there is no X11 screen to read."));
    });
}

void ScreenPick::start(const QString &parentWindow)
{
    if (isOverlayShown())
        return; // the overlay holds the keyboard and the mouse until it closes
    portal->close();
    if (PortalColorPicker::available()) {
        portal->pick(parentWindow);
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

bool ScreenPick::isWaitingOnPortal() const
{
    return portal->isWaiting();
}

void ScreenPick::startOverlay(const QString &whyNotAvailable)
{
    overlay = openOverlay();
    if (!overlay)
        return emit failed(whyNotAvailable);
    connect(overlay, &ScreenGrabPicker::picked, this, &ScreenPick::picked);
}
