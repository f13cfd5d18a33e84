// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QObject>

class PortalColorPicker;

// One pick from the screen at a time, and the way to it: the desktop portal where there is
// one, the X11 overlay where the portal has no colour picker or there is no portal. A pick
// waiting on the portal can be abandoned; asking again abandons it and asks anew.
class ScreenPick : public QObject
{
    Q_OBJECT

public:
    explicit ScreenPick(QObject *parent = nullptr);

    /// Starts a pick; `parentWindow` identifies the asking window to the portal ("x11:1a2b").
    void start(const QString &parentWindow);
    /// Withdraws a pick waiting on the portal, without a word.
    void abandon();
    bool isWaitingOnPortal() const;
    bool isOpen() const { return overlayOpen || isWaitingOnPortal(); }

signals:
    void picked(Rgb color);
    void failed(const QString &message);
    /// A pick began or ceased to wait on the portal.
    void waitingOnPortal(bool waiting);

private:
    void startOverlay(const QString &whyNotAvailable);

    PortalColorPicker *portal;
    bool overlayOpen = false;
};
