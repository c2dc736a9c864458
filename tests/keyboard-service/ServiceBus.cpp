// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceBus.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

bool writeFile(const QString &path, const QString &text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

} // namespace

QString ServiceBus::binary(const QString &name) {
    return QStringLiteral(VANTEL_KEYBOARD_BIN_DIR "/") + name;
}

void ServiceBus::openToEveryone(const QString &folder) {
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                      QFileDevice::ExeOther);
}

ServiceBus::ServiceBus(const Options &options) {
    const QString services = dir_.filePath(QStringLiteral("services"));
    QDir().mkpath(services);
    if (options.activatable)
        writeFile(services + QStringLiteral("/org.vantel.Keyboard1.service"),
                  QStringLiteral("[D-BUS Service]\nName=org.vantel.Keyboard1\nExec=%1 --session "
                                 "--sysfs-root %2 --state-dir %3 --idle-exit %4%5 --config %6%7\n")
                      .arg(binary(QStringLiteral("vantel-keyboard-service")), options.sysfsRoot,
                           options.stateDir)
                      .arg(options.idleSeconds)
                      .arg(options.inputDir.isEmpty()
                               ? QString()
                               : QStringLiteral(" --input-dir ") + options.inputDir)
                      .arg(options.configFile.isEmpty() ? QStringLiteral("/nonexistent")
                                                        : options.configFile)
                      .arg(options.extraArguments.isEmpty()
                               ? QString()
                               : QLatin1Char(' ') + options.extraArguments.join(QLatin1Char(' '))));
    openToEveryone(dir_.path());
    // A fixed socket path, so that the bus can hand its own address to the services it starts.
    address_ = QStringLiteral("unix:path=") + dir_.filePath(QStringLiteral("bus"));
    const QString config = dir_.filePath(QStringLiteral("bus.conf"));
    writeFile(
        config,
        QStringLiteral(
            R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>%1</listen><auth>EXTERNAL</auth><servicedir>%2</servicedir>
<policy context="default"><allow user="*"/><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>)")
            .arg(address_, services));
    daemon_.setProcessEnvironment(environment());
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                   QStringLiteral("--print-address")});
    running_ = daemon_.waitForReadyRead(10000);
}

ServiceBus::~ServiceBus() {
    for (const QString &name : connections_)
        QDBusConnection::disconnectFromBus(name);
    // The services it started leave on their own when the bus goes away.
    daemon_.terminate();
    daemon_.waitForFinished(5000);
}

QProcessEnvironment ServiceBus::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
    // Whether the machine's system bus runs the installed service must not change what a test
    // sees: nothing listens here.
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                       QStringLiteral("unix:path=") +
                           dir_.filePath(QStringLiteral("no-system-bus")));
    return environment;
}

QDBusConnection ServiceBus::connect(const QString &name) {
    connections_.append(name);
    return QDBusConnection::connectToBus(address_, name);
}

QDBusMessage ServiceBus::call(QDBusConnection &bus, const QDBusMessage &message) {
    QDBusPendingCall pending = bus.asyncCall(message, 20000);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 25000))
        return QDBusMessage::createError(QStringLiteral("test.Timeout"),
                                         QStringLiteral("no answer"));
    return pending.reply();
}

QDBusMessage ServiceBus::serviceCall(const QString &member, const QVariantList &arguments) {
    const bool property = member.startsWith(QLatin1String("Get"));
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("/org/vantel/Keyboard1"),
        property ? QStringLiteral("org.freedesktop.DBus.Properties")
                 : QStringLiteral("org.vantel.Keyboard1"),
        member);
    message.setArguments(arguments);
    return message;
}

bool ServiceBus::serviceRunning() {
    QDBusConnection bus = connect(QStringLiteral("service-bus-probe"));
    return bus.interface()->isServiceRegistered(QStringLiteral("org.vantel.Keyboard1")).value();
}
