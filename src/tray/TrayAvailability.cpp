// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/TrayAvailability.h"

#include "logging/LoggingCategories.h"
#include "tray/x11/X11TrayColors.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace {
const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString watcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString hostProperty = QStringLiteral("IsStatusNotifierHostRegistered");

// The same question Qt asks, through introspection as Qt does: a watcher that does not
// publish the property counts as no host, for Qt and therefore here.
bool statusNotifierHostRegistered(const QDBusConnection &bus) {
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcherService))
        return false;
    QDBusInterface watcher(watcherService, watcherPath, watcherService, bus);
    return watcher.isValid() && watcher.property(hostProperty.toLatin1().constData()).toBool();
}
} // namespace

TrayAvailability::TrayAvailability(const QDBusConnection &bus, std::function<bool()> iconShown)
    : bus_(std::make_unique<QDBusConnection>(bus)), iconShown_(std::move(iconShown)),
      usesStatusNotifier_(statusNotifierHostRegistered(bus)) {}

TrayAvailability::~TrayAvailability() = default;

bool TrayAvailability::xembedTrayShown() {
    return xembedTrayRunning();
}

void TrayAvailability::start() {
    if (usesStatusNotifier_)
        return;
    if (!iconShown_())
        qCWarning(lcVantel).noquote() << QCoreApplication::translate(
            "TrayAvailability", "No system tray is available; the Vantel icon will "
                                "appear as soon as a panel with a system tray starts.");
    if (!bus_->isConnected())
        return;
    watcher_ = new QDBusServiceWatcher(watcherService, *bus_,
                                       QDBusServiceWatcher::WatchForRegistration, this);
    connect(watcher_, &QDBusServiceWatcher::serviceRegistered, this,
            &TrayAvailability::askWhetherHostRegistered);
    bus_->connect(watcherService, watcherPath, watcherService,
                  QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(hostRegistered()));
    // A host may have come between the first look and the watch.
    askWhetherHostRegistered();
}

void TrayAvailability::askWhetherHostRegistered() {
    // Asynchronous, as a panel that is starting may be slow to answer; introspection first,
    // because that is what Qt will rely on in the fresh process.
    const QDBusMessage introspect = QDBusMessage::createMethodCall(
        watcherService, watcherPath, QStringLiteral("org.freedesktop.DBus.Introspectable"),
        QStringLiteral("Introspect"));
    auto *call = new QDBusPendingCallWatcher(bus_->asyncCall(introspect), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call] {
        call->deleteLater();
        const QString xml = call->reply().arguments().value(0).toString();
        if (call->isError() || !xml.contains(QLatin1String("\"%1\"").arg(hostProperty)))
            return;
        QDBusMessage get = QDBusMessage::createMethodCall(
            watcherService, watcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << watcherService << hostProperty;
        auto *answer = new QDBusPendingCallWatcher(bus_->asyncCall(get), this);
        connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer] {
            answer->deleteLater();
            const QVariant value = answer->reply().arguments().value(0);
            if (!answer->isError() && value.value<QDBusVariant>().variant().toBool())
                hostRegistered();
        });
    });
}

void TrayAvailability::hostRegistered() {
    if (restartAsked_ || iconShown_())
        return;
    qCDebug(lcTray) << "a StatusNotifier host appeared; starting afresh to show the icon there";
    restartAsked_ = true;
    emit restartNeeded();
}
