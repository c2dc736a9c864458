// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "portal/ApplicationRegistry.h"

#include "logging/LoggingCategories.h"
#include "portal/PortalNames.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QVariantMap>

namespace {
const QString registry = QStringLiteral("org.freedesktop.host.portal.Registry");

bool isMissing(const QDBusError &error) {
    return error.type() == QDBusError::UnknownInterface ||
           error.type() == QDBusError::UnknownMethod || error.type() == QDBusError::UnknownObject ||
           error.type() == QDBusError::ServiceUnknown;
}
} // namespace

void registerWithPortal(const QDBusConnection &bus, const QString &applicationId) {
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(portal::service, portal::path, registry,
                                                       QStringLiteral("Register"));
    call.setArguments({applicationId, QVariantMap()});
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection(bus).asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [applicationId](QDBusPendingCallWatcher *done) {
                         done->deleteLater();
                         const QDBusPendingReply<> reply = *done;
                         if (!reply.isError())
                             qCDebug(lcPortal).noquote()
                                 << "the portal knows this program as" << applicationId;
                         else if (isMissing(reply.error()))
                             qCDebug(lcPortal) << "the portal has no application registry";
                         else
                             // Only the shortcuts of some desktops depend on it: said, not fatal.
                             qCInfo(lcPortal).noquote()
                                 << "the portal did not take the application id" << applicationId
                                 << "-" << reply.error().message();
                     });
}
