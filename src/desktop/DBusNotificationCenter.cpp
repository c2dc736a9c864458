// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "desktop/DBusNotificationCenter.h"

#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>
#include <QVariantMap>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
} // namespace

QDBusMessage notifyMessage(const NotificationRequest &request) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
    // Servers ignore hints they do not know; this one lets a request be told apart in logs.
    QVariantMap hints;
    hints.insert(QStringLiteral("x-vantel-request-id"), request.identifier);
    const uint replacesNothing = 0;
    const int serverDefaultTimeout = -1;
    message << QStringLiteral("Vantel") << replacesNothing << QString() << request.content.title
            << request.content.body << QStringList() << hints << serverDefaultTimeout;
    return message;
}

DBusNotificationCenter::DBusNotificationCenter(const QDBusConnection &bus)
    : bus_(std::make_unique<QDBusConnection>(bus)) {}

DBusNotificationCenter::~DBusNotificationCenter() = default;

void DBusNotificationCenter::add(const NotificationRequest &request) {
    QTimer::singleShot(request.trigger, &context_, [this, request] { post(request); });
}

void DBusNotificationCenter::post(const NotificationRequest &request) {
    qCDebug(lcNotifications) << "posting" << request.identifier;
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(notifyMessage(request)), &context_);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, &context_, [watcher, id = request.identifier] {
            if (watcher->isError())
                qCDebug(lcNotifications) << "not shown" << id << watcher->error().message();
            watcher->deleteLater();
        });
}
