#pragma once

#include "values/rgb.h"

#include <QObject>
#include <QVariantMap>

// Picks a colour anywhere on the screen through the desktop portal
// (org.freedesktop.portal.Screenshot.PickColor), the way that works under Wayland too. The
// request is answered later, by the portal's Response signal, with one of this object's
// signals; the event loop never waits for it.
class PortalColorPicker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    /// Whether the session bus has a desktop portal, running or ready to be started.
    static bool available();

    /// Asks the portal for a colour; `parentWindow` identifies the asking window ("x11:1a2b").
    void pick(const QString &parentWindow);

signals:
    void picked(Rgb color);
    void cancelled();
    void failed(const QString &what);

private slots:
    void handleResponse(uint response, const QVariantMap &results);

private:
    void listenAt(const QString &path);
    void stopListening();

    QString requestPath; // where the portal answers the open request
    int requests = 0;
};
