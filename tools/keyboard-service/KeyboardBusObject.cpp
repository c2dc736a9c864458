// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeyboardBusObject.h"

#include "keyboard-service/KeyboardBusTypes.h"
#include "keyboard-service/KeyboardService.h"
#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDBusVirtualObject>

namespace {

const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

const QString introspection = QStringLiteral(R"xml(  <interface name="org.vantel.Keyboard1">
    <property name="Keyboards" type="a(ssss)" access="read"/>
    <property name="Mode" type="s" access="read"/>
    <property name="NotOnDisk" type="s" access="read">
      <annotation name="org.freedesktop.DBus.Property.EmitsChangedSignal" value="false"/>
    </property>
    <method name="SetMode">
      <arg name="mode" type="s" direction="in"/>
      <arg name="switched" type="u" direction="out"/>
    </method>
    <method name="Apply">
      <arg name="switched" type="u" direction="out"/>
    </method>
    <method name="Subscribe"/>
    <signal name="ModeChangedByKeyboard">
      <arg name="mode" type="s"/>
    </signal>
  </interface>
)xml");

KeyboardEntries entriesOf(const QList<Keyboard> &keyboards) {
    KeyboardEntries entries;
    for (const Keyboard &keyboard : keyboards)
        entries.append({keyboard.id, keyboard.name, keyboard.driver, modeName(keyboard.mode)});
    return entries;
}

// The caller as the bus daemon knows it: its uid decides which share of the checks it may hold.
Caller callerOf(const QDBusMessage &message, const QDBusConnection &connection) {
    const QDBusReply<uint> uid = connection.interface()->serviceUid(message.service());
    return Caller{message.service(), uid.isValid() ? uid.value() : uint(-1),
                  message.isInteractiveAuthorizationAllowed()};
}

QDBusMessage replyTo(const QDBusMessage &call, const ServiceAnswer &answer) {
    if (!answer.errorName.isEmpty())
        return call.createErrorReply(answer.errorName, answer.errorMessage);
    return call.createReply(QVariant::fromValue(answer.switched));
}

// Routes the calls on /org/vantel/Keyboard1 by hand: replies to SetMode are sent only once
// polkit has answered, and the bus errors are exactly the ones the interface promises.
class BusObject : public QDBusVirtualObject {
public:
    BusObject(KeyboardService &service, const QString &connectionName)
        : QDBusVirtualObject(&service), service_(service), connectionName_(connectionName) {
        QObject::connect(&service, &KeyboardService::propertiesChanged, this,
                         [this](const QStringList &names) { announce(names); });
        QObject::connect(&service, &KeyboardService::modeChangedByKeyboard, this,
                         [this](const QString &mode) { announceKeyboardChange(mode); });
    }

    QString introspect(const QString &) const override { return introspection; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        service_.called();
        if (message.interface() == propertiesInterface)
            return connection.send(properties(message));
        if (message.interface() != KeyboardBus::interface && !message.interface().isEmpty())
            return false;
        const auto reply = [message, connection](const ServiceAnswer &answer) {
            connection.send(replyTo(message, answer));
        };
        if (message.member() == QLatin1String("SetMode") && message.signature() == "s") {
            service_.setMode(message.arguments().at(0).toString(), callerOf(message, connection),
                             reply);
            return true;
        }
        if (message.member() == QLatin1String("Apply") && message.signature().isEmpty()) {
            service_.apply(callerOf(message, connection), reply);
            return true;
        }
        if (message.member() == QLatin1String("Subscribe") && message.signature().isEmpty())
            return subscribe(message, connection);
        if (message.member() == QLatin1String("SetMode") ||
            message.member() == QLatin1String("Apply"))
            return connection.send(message.createErrorReply(invalidArgs, "Wrong arguments"));
        return connection.send(
            message.createErrorReply(QDBusError::UnknownMethod, "No method " + message.member()));
    }

private:
    QVariant property(const QString &name) {
        if (name == QLatin1String("Keyboards"))
            return QVariant::fromValue(entriesOf(service_.keyboards()));
        if (name == QLatin1String("Mode"))
            return service_.mode();
        if (name == KeyboardBus::notOnDiskProperty)
            return service_.notOnDisk();
        return {};
    }

    QDBusMessage properties(const QDBusMessage &message) {
        const QVariantList arguments = message.arguments();
        const QString member = message.member();
        const bool ours =
            !arguments.isEmpty() && arguments.at(0).toString() == KeyboardBus::interface;
        if (member == QLatin1String("GetAll") && message.signature() == "s") {
            QVariantMap all;
            if (ours)
                for (const QString &name : {QStringLiteral("Keyboards"), QStringLiteral("Mode"),
                                            KeyboardBus::notOnDiskProperty})
                    all.insert(name, property(name));
            return message.createReply(QVariant::fromValue(all));
        }
        if (member == QLatin1String("Get") && message.signature() == "ss") {
            const QVariant value = ours ? property(arguments.at(1).toString()) : QVariant();
            if (!value.isValid())
                return message.createErrorReply(QDBusError::UnknownProperty, "No such property");
            return message.createReply(QVariant::fromValue(QDBusVariant(value)));
        }
        if (member == QLatin1String("Set"))
            return message.createErrorReply(QDBusError::PropertyReadOnly, "Read-only property");
        return message.createErrorReply(QDBusError::UnknownMethod, "No method " + member);
    }

    // A subscriber that leaves the bus, however it ends, no longer keeps the service: its
    // departure comes as NameOwnerChanged, after this call; one already gone is not kept.
    bool subscribe(const QDBusMessage &message, const QDBusConnection &connection) {
        const QString name = message.service();
        if (connection.interface()->isServiceRegistered(name).value())
            service_.subscribe(name);
        return connection.send(message.createReply());
    }

    void announceKeyboardChange(const QString &mode) {
        QDBusMessage signal = QDBusMessage::createSignal(KeyboardBus::path, KeyboardBus::interface,
                                                         QStringLiteral("ModeChangedByKeyboard"));
        signal << mode;
        QDBusConnection(connectionName_).send(signal);
    }

    // The values are the ones the change just left: reading the switches again for them would
    // walk the tree once more per property, for what is already known.
    void announce(const QStringList &names) {
        QVariantMap changed;
        for (const QString &name : names)
            changed.insert(name, name == QLatin1String("Keyboards")
                                     ? QVariant::fromValue(entriesOf(service_.lastKeyboards()))
                                     : QVariant(service_.lastMode()));
        QDBusMessage signal = QDBusMessage::createSignal(KeyboardBus::path, propertiesInterface,
                                                         QStringLiteral("PropertiesChanged"));
        signal << KeyboardBus::interface << changed << QStringList();
        QDBusConnection(connectionName_).send(signal);
    }

    KeyboardService &service_;
    QString connectionName_;
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
    auto *object = new BusObject(service, connectionName);
    if (!bus.registerVirtualObject(KeyboardBus::path, object))
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
