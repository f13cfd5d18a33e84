// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#pragma once

#include "values/rgb.h"

#include <QObject>
#include <QVariantMap>

class QDBusServiceWatcher;

// Picks a colour anywhere on the screen through the desktop portal
// (org.freedesktop.portal.Screenshot.PickColor), the way that works under Wayland too. The
// request is answered later, by the portal's Response signal, with one of this object's
// signals; the event loop never waits for it. Only the portal's own Response counts, and a
// portal that leaves the bus while a request waits ends it.
class PortalColorPicker : public QObject
{
    Q_OBJECT

public:
    explicit PortalColorPicker(QObject *parent = nullptr);

    /// Whether the session bus has a desktop portal, running or ready to be started.
    static bool available();

    /// Asks the portal for a colour; `parentWindow` identifies the asking window ("x11:1a2b").
    void pick(const QString &parentWindow);
    /// Withdraws the waiting request (the portal's Request.Close); no signal follows.
    void close();
    bool isWaiting() const { return !requestPath.isEmpty(); }

signals:
    void picked(Rgb color);
    void cancelled();
    void failed(const QString &message); // a whole sentence for the user
    /// The portal has no colour picker: it does not know the interface or the method.
    void unsupported();

private slots:
    void handleResponse(uint response, const QVariantMap &results);

private:
    void listenAt(const QString &path);
    void stopListening();

    QString requestPath; // where the portal answers the open request
    int requests = 0;
    QDBusServiceWatcher *departure = nullptr;
};
