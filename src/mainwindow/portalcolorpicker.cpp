#include "mainwindow/portalcolorpicker.h"

#include "values/conversions.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

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
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *finished;
        if (reply.isError()) {
            stopListening();
            emit failed(QStringLiteral("the desktop portal refused the request: ") + reply.error().message());
        } else if (reply.value().path() != requestPath) {
            listenAt(reply.value().path()); // an older portal chose its own place to answer
        }
    });
}

void PortalColorPicker::handleResponse(uint response, const QVariantMap &results)
{
    stopListening();
    const QVariant color = results.value(QStringLiteral("color"));
    if (response == 1) {
        emit cancelled();
    } else if (response != 0) {
        emit failed(QStringLiteral("the desktop portal ended the request (response %1)").arg(response));
    } else if (!color.canConvert<QDBusArgument>()) {
        emit failed(QStringLiteral("the desktop portal gave no colour"));
    } else {
        double red = 0, green = 0, blue = 0;
        const QDBusArgument fractions = color.value<QDBusArgument>();
        fractions.beginStructure();
        fractions >> red >> green >> blue;
        fractions.endStructure();
        emit picked({componentOfFraction(red), componentOfFraction(green), componentOfFraction(blue)});
    }
}

// Qt D-Bus connects to a bus signal only by the receiving slot's name.
void PortalColorPicker::listenAt(const QString &path)
{
    stopListening();
    requestPath = path;
    QDBusConnection::sessionBus().connect(QString(), requestPath, requestInterface, QStringLiteral("Response"), this,
        SLOT(handleResponse(uint, QVariantMap)));
}

void PortalColorPicker::stopListening()
{
    if (requestPath.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(QString(), requestPath, requestInterface, QStringLiteral("Response"), this,
        SLOT(handleResponse(uint, QVariantMap)));
    requestPath.clear();
}
