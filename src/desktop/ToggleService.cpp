// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "desktop/ToggleService.h"

#include "logging/LoggingCategories.h"
#include "vantel1adaptor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QLoggingCategory>

namespace {
// Long enough for a loaded desktop, short enough that a hung program does not hang a shortcut.
constexpr int callTimeoutMs = 5000;

QString request(const QDBusConnection &bus, const QString &busName, const QString &method) {
    if (!bus.isConnected())
        return QStringLiteral("Cannot reach Vantel: there is no session bus.");
    QDBusConnection connection(bus);
    const QDBusMessage call =
        QDBusMessage::createMethodCall(busName, QString::fromLatin1(ToggleService::objectPath),
                                       QString::fromLatin1(ToggleService::interfaceName), method);
    const QDBusMessage reply = connection.call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return {};
    const QString error = reply.errorName();
    if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner"))
        return QStringLiteral("Vantel is not running.");
    return QStringLiteral("Cannot reach Vantel: %1").arg(reply.errorMessage());
}
} // namespace

ToggleService::ToggleService(QObject *parent) : QObject(parent) {
    new VantelAdaptor(this);
}

bool ToggleService::exportOn(const QDBusConnection &bus) {
    QDBusConnection connection(bus);
    const bool exported = connection.registerObject(QString::fromLatin1(objectPath), this,
                                                    QDBusConnection::ExportAdaptors);
    if (!exported)
        qCInfo(lcInstance) << "cannot offer" << objectPath << "on the session bus";
    return exported;
}

void ToggleService::Toggle() {
    qCDebug(lcInstance) << "toggle asked for over the session bus";
    Q_EMIT toggleRequested();
}

void ToggleService::ShowSettings() {
    qCDebug(lcInstance) << "settings asked for over the session bus";
    Q_EMIT settingsRequested();
}

QString ToggleService::requestToggle(const QDBusConnection &bus, const QString &busName) {
    return request(bus, busName, QStringLiteral("Toggle"));
}

QString ToggleService::requestShowSettings(const QDBusConnection &bus, const QString &busName) {
    return request(bus, busName, QStringLiteral("ShowSettings"));
}
