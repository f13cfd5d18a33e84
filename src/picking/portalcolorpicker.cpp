// SPDX-FileCopyrightText: 2026 The Rusket authors
// SPDX-License-Identifier: MIT
#include "picking/portalcolorpicker.h"

#include "values/conversions.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

} // namespace

bool PortalColorPicker::available()
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus
        && (bus->isServiceRegistered(portalService) || bus->activatableServiceNames().value().contains(portalService));
}

PortalColorPicker::PortalColorPicker(QObject *parent)
    : QObject(parent)
    , departure(new QDBusServiceWatcher(
          portalService, QDBusConnection::sessionBus(), QDBusServiceWatcher::WatchForUnregistration, this))
{
    connect(departure, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        if (!isWaiting())
            return;
        stopListening();
        emit failed(tr("Pick from Screen failed: the desktop portal left the session bus before it answered."));
    });
}

void PortalColorPicker::pick(const QString &parentWindow)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Listen where the portal will answer before asking, so that no answer can be missed.
    const QString token = QStringLiteral("rusket%1").arg(++requests);
    const QString sender = bus.baseService().mid(1).replace(u'.', u'_');
    listenAt(QStringLiteral("%1/request/%2/%3").arg(portalPath, sender, token));

    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("PickColor"));
    call << parentWindow << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this, asked = requests](QDBusPendingCallWatcher *finished) {
            finished->deleteLater();
            if (asked != requests || !isWaiting())
                return; // a request withdrawn since
            const QDBusPendingReply<QDBusObjectPath> reply = *finished;
            const QDBusError::ErrorType error = reply.isError() ? reply.error().type() : QDBusError::NoError;
            if (error == QDBusError::UnknownInterface || error == QDBusError::UnknownMethod
                || error == QDBusError::UnknownObject) {
                stopListening();
                emit unsupported();
            } else if (reply.isError()) {
                stopListening();
                emit failed(tr("Pick from Screen failed: the desktop portal refused the request: %1.")
                                .arg(reply.error().message()));
            } else if (reply.value().path() != requestPath) {
                listenAt(reply.value().path()); // an older portal chose its own place to answer
            }
        });
}

void PortalColorPicker::close()
{
    if (!isWaiting())
        return;
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(portalService, requestPath, requestInterface, QStringLiteral("Close")),
        QDBus::NoBlock);
    stopListening();
}

void PortalColorPicker::handleResponse(uint response, const QVariantMap &results)
{
    stopListening();
    const QVariant color = results.value(QStringLiteral("color"));
    if (response == 1) {
        emit cancelled();
    } else if (response != 0) {
        emit failed(tr("Pick from Screen failed: the desktop portal ended the request (response %1).").arg(response));
    } else if (!color.canConvert<QDBusArgument>()
        || color.value<QDBusArgument>().currentSignature() != QLatin1String("(ddd)")) {
        emit failed(tr("Pick from Screen failed: the desktop portal gave no color."));
    } else {
        double red{}, green{}, blue{};
        const QDBusArgument fractions = color.value<QDBusArgument>();
        fractions.beginStructure();
        fractions >> red >> green >> blue;
        fractions.endStructure();
        emit picked({componentOfFraction(red), componentOfFraction(green), componentOfFraction(blue)});
    }
}

// Qt D-Bus connects to a bus signal only by the receiving slot's name. Naming the portal's
// service makes Qt D-Bus take the signal only from whoever owns that name.
void PortalColorPicker::listenAt(const QString &path)
{
    stopListening();
    requestPath = path;
    QDBusConnection::sessionBus().connect(portalService, requestPath, requestInterface, QStringLiteral("Response"),
        this, SLOT(handleResponse(uint, QVariantMap)));
}

void PortalColorPicker::stopListening()
{
    if (requestPath.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(portalService, requestPath, requestInterface, QStringLiteral("Response"),
        this, SLOT(handleResponse(uint, QVariantMap)));
    requestPath.clear();
}
