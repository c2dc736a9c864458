#include "keyboard-service/KeyboardBusObject.h"

#include "keyboard-service/KeyboardBusTypes.h"
#include "keyboard-service/KeyboardService.h"
#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>

namespace {

const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

const QString introspection = QStringLiteral(R"xml(  <interface name="org.vantel.Keyboard1">
    <property name="Keyboards" type="a(ssss)" access="read"/>
    <property name="Mode" type="s" access="read"/>
    <method name="SetMode">
      <arg name="mode" type="s" direction="in"/>
      <arg name="switched" type="u" direction="out"/>
    </method>
    <method name="Apply">
      <arg name="switched" type="u" direction="out"/>
    </method>
  </interface>
)xml");

KeyboardEntries entriesOf(const QList<Keyboard> &keyboards) {
    KeyboardEntries entries;
    for (const Keyboard &keyboard : keyboards)
        entries.append({keyboard.id, keyboard.name, keyboard.driver, modeName(keyboard.mode)});
    return entries;
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
    }

    QString introspect(const QString &) const override { return introspection; }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        service_.touch();
        if (message.interface() == propertiesInterface)
            return connection.send(properties(message));
        if (message.interface() != KeyboardBus::interface && !message.interface().isEmpty())
            return false;
        if (message.member() == QLatin1String("SetMode") && message.signature() == "s") {
            service_.setMode(message.arguments().at(0).toString(), message.service(),
                             [message, connection](const ServiceAnswer &answer) {
                                 connection.send(replyTo(message, answer));
                             });
            return true;
        }
        if (message.member() == QLatin1String("Apply") && message.signature().isEmpty())
            return connection.send(replyTo(message, service_.apply()));
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
                for (const QString &name : {QStringLiteral("Keyboards"), QStringLiteral("Mode")})
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

    void announce(const QStringList &names) {
        QVariantMap changed;
        for (const QString &name : names)
            changed.insert(name, property(name));
        QDBusMessage signal = QDBusMessage::createSignal(KeyboardBus::path, propertiesInterface,
                                                         QStringLiteral("PropertiesChanged"));
        signal << KeyboardBus::interface << changed << QStringList();
        QDBusConnection(connectionName_).send(signal);
    }

    KeyboardService &service_;
    QString connectionName_;
};

} // namespace

std::optional<QString> publishKeyboardService(KeyboardService &service,
                                              const QString &connectionName) {
    registerKeyboardBusTypes();
    QDBusConnection bus(connectionName);
    if (!bus.isConnected())
        return QStringLiteral("not connected to the bus: %1").arg(bus.lastError().message());
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
