// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeyboardBusObject.h"

#include "keyboard-service/KeyboardBusTypes.h"
#include "keyboard-service/KeyboardObject.h"
#include "keyboard-service/KeyboardService.h"
#include "keyboard1adaptor.h"
#include "keyboard1introspection.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

// The generated adaptor answers a call only when its arguments fit: anything else would come back
// as an unknown method. The interface promises InvalidArgs for a known method with the wrong
// arguments, so these take every call that fits no generated slot. Qt tries a subclass's slots
// before its base's, so Apply's own call arrives here too, and goes on. Qt takes an adaptor's
// interface name (for the signals it relays) and introspection from its own class only, which
// would name the signals after this class and show these slots: both are the generated ones'.
class CheckedKeyboardAdaptor : public Keyboard1Adaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vantel.Keyboard1")
    Q_CLASSINFO("D-Bus Introspection", VANTEL_KEYBOARD1_INTROSPECTION)
public:
    using Keyboard1Adaptor::Keyboard1Adaptor;

public slots:
    void SetMode(const QDBusMessage &message) { parent()->refuseArguments(message); }
    void Apply(const QDBusMessage &message) {
        if (message.signature().isEmpty())
            parent()->Apply();
        else
            parent()->refuseArguments(message);
    }
};

// A caller that leaves the bus no longer needs its check, nor keeps the service as a subscriber.
class Departures : public QObject {
    Q_OBJECT
public:
    explicit Departures(KeyboardService &service) : QObject(&service), service_(service) {}

public slots:
    void nameOwnerChanged(const QString &name, const QString &, const QString &newOwner) {
        if (newOwner.isEmpty() && name.startsWith(QLatin1Char(':')))
            service_.callerLeft(name);
    }

private:
    KeyboardService &service_;
};

} // namespace

std::optional<QString> publishKeyboardService(KeyboardService &service,
                                              const QString &connectionName) {
    registerKeyboardBusTypes();
    QDBusConnection bus(connectionName);
    if (!bus.isConnected())
        return QStringLiteral("not connected to the bus: %1").arg(bus.lastError().message());
    // Before the name is claimed, so that no caller can leave unnoticed.
    if (!bus.connect(QStringLiteral("org.freedesktop.DBus"),
                     QStringLiteral("/org/freedesktop/DBus"),
                     QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"),
                     new Departures(service), SLOT(nameOwnerChanged(QString, QString, QString))))
        return QStringLiteral("could not follow callers leaving the bus");
    auto *object = new KeyboardObject(service, connectionName);
    new CheckedKeyboardAdaptor(object);
    if (!bus.registerObject(KeyboardBus::path, object, QDBusConnection::ExportAdaptors))
        return QStringLiteral("could not register %1").arg(KeyboardBus::path);
    // Without replacement or queueing: a second instance must fail rather than wait in line.
    const auto claimed = bus.interface()->registerService(
        KeyboardBus::service, QDBusConnectionInterface::DontQueueService,
        QDBusConnectionInterface::DontAllowReplacement);
    if (claimed.value() != QDBusConnectionInterface::ServiceRegistered)
        return QStringLiteral("could not own %1: %2")
            .arg(KeyboardBus::service, claimed.error().isValid()
                                           ? claimed.error().message()
                                           : QStringLiteral("another instance owns it"));
    return std::nullopt;
}

void withdrawKeyboardService(const QString &connectionName) {
    QDBusConnection(connectionName).interface()->unregisterService(KeyboardBus::service);
}

#include "KeyboardBusObject.moc"
