// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeyboardObject.h"

#include "keyboard-service/KeyboardService.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace {

const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

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

} // namespace

KeyboardObject::KeyboardObject(KeyboardService &service, const QString &connectionName)
    : QObject(&service), service_(service), connectionName_(connectionName) {
    connect(&service, &KeyboardService::propertiesChanged, this,
            [this](const QStringList &names) { announce(names); });
    connect(&service, &KeyboardService::modeChangedByKeyboard, this,
            &KeyboardObject::ModeChangedByKeyboard);
}

// Reading goes through the service, which counts it as a call but never as a reason to stay.
KeyboardEntries KeyboardObject::keyboards() {
    return entriesOf(service_.keyboards());
}

QString KeyboardObject::mode() {
    return service_.mode();
}

QString KeyboardObject::notOnDisk() {
    service_.called();
    return service_.notOnDisk();
}

uint KeyboardObject::SetMode(const QString &mode) {
    service_.called();
    const QDBusMessage call = message();
    service_.setMode(mode, callerOf(call, connection()), delayedReply());
    return 0;
}

uint KeyboardObject::Apply() {
    service_.called();
    const QDBusMessage call = message();
    service_.apply(callerOf(call, connection()), delayedReply());
    return 0;
}

// A subscriber that leaves the bus, however it ends, no longer keeps the service: its departure
// comes as NameOwnerChanged, after this call; one already gone is not kept.
void KeyboardObject::Subscribe() {
    service_.called();
    const QString name = message().service();
    if (connection().interface()->isServiceRegistered(name).value())
        service_.subscribe(name);
}

void KeyboardObject::refuseArguments(const QDBusMessage &call) {
    service_.called();
    call.setDelayedReply(true);
    QDBusConnection(connectionName_)
        .send(call.createErrorReply(invalidArgs, QStringLiteral("Wrong arguments")));
}

std::function<void(const ServiceAnswer &)> KeyboardObject::delayedReply() {
    setDelayedReply(true);
    return [call = message(), connection = connection()](const ServiceAnswer &answer) {
        connection.send(replyTo(call, answer));
    };
}

// Qt tells nothing of an adaptor's properties changing. The values are the ones the change just
// left: reading the switches again for them would walk the tree once more per property, for what
// is already known.
void KeyboardObject::announce(const QStringList &names) {
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
