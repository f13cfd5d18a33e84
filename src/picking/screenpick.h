// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "picking/screengrabpicker.h"
#include "values/rgb.h"

#include <QObject>
#include <QPointer>
#include <functional>

class PortalColorPicker;
class QAction;
class QWidget;

// One pick from the screen at a time, and the way to it: the desktop portal where there is
// one, the X11 overlay where the portal has no colour picker or there is no portal. A pick
// waiting on the portal can be abandoned; asking again abandons it and asks anew. The portal
// takes one pixel; the overlay samples more and keeps picking with Shift.
class ScreenPick : public QObject
{
    Q_OBJECT

public:
    explicit ScreenPick(QObject *parent = nullptr);

    /// Starts a pick for the asking window, if there is one.
    void start(const QWidget *window = nullptr);
    /// Withdraws a pick waiting on the portal, without a word.
    void abandon();
    /// Escape in the window withdraws a pick while it waits on the portal, and only then.
    void withdrawWithEscape(QWidget *window);
    /// The command's tooltip says, once a pick has gone one way, what that way samples.
    void explainIn(QAction *command) { explained = command; }
    bool isWaitingOnPortal() const;
    bool isOpen() const { return isOverlayShown() || isWaitingOnPortal(); }
    /// How the overlay opens over the screens: ScreenGrabPicker::start, or a test's own screens.
    void setOverlayOpener(std::function<ScreenGrabPicker *()> opener) { openOverlay = std::move(opener); }

signals:
    void picked(Rgb color);
    /// A colour kept while the overlay stays open for more.
    void kept(Rgb color);
    /// Ended without a colour picked (after any kept ones): cancelled in the overlay or the portal.
    void cancelled();
    void failed(const QString &message);
    /// A pick began or ceased to wait on the portal.
    void waitingOnPortal(bool waiting);

private:
    void startOverlay(const QString &whyNotAvailable);
    bool isOverlayShown() const { return overlay && overlay->isVisible(); }
    void explain(const char *how);

    PortalColorPicker *portal;
    QPointer<QAction> explained;
    std::function<ScreenGrabPicker *()> openOverlay = &ScreenGrabPicker::start;
    QPointer<ScreenGrabPicker> overlay; // gone once it closes
};
