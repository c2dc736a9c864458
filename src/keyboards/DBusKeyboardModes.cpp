// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboards/DBusKeyboardModes.h"

#include "keyboard-service/KeyboardBusTypes.h"
#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QTimer>

#include <atomic>
#include <utility>

// Receives the service's ModeChangedByKeyboard; the bus delivers signals only to a slot.
class KeyboardSignal : public QObject {
    Q_OBJECT
public:
    explicit KeyboardSignal(std::function<void(bool)> changed) : changed_(std::move(changed)) {}

public slots:
    void modeChanged(const QString &mode) {
        if (mode == QLatin1String("function-keys") || mode == QLatin1String("hardware-keys"))
            changed_(mode == QLatin1String("function-keys"));
    }

private:
    std::function<void(bool)> changed_;
};

namespace {
// polkit may ask for a password when the session is not the active one.
constexpr int setModeTimeoutMs = 5 * 60 * 1000;
constexpr int resubscribeDelayMs = 2000;

QString modeFor(bool fnState) {
    return fnState ? QStringLiteral("function-keys") : QStringLiteral("hardware-keys");
}

KeyboardReport::Outcome outcomeOf(const QString &errorName) {
    if (errorName == KeyboardBus::noKeyboardError)
        return KeyboardReport::Outcome::noKeyboard;
    if (errorName == QLatin1String("org.freedesktop.DBus.Error.AccessDenied"))
        return KeyboardReport::Outcome::refused;
    if (errorName == KeyboardBus::writeFailedError)
        return KeyboardReport::Outcome::failed;
    return KeyboardReport::Outcome::unavailable;
}

// What a keyboard in a mode Vantel never writes does, in the About window's words.
QString unswitchableText(const QString &mode) {
    if (mode == QLatin1String("function-keys-only"))
        return QStringLiteral("sends F1–F12 whatever is pressed");
    if (mode == QLatin1String("auto"))
        return QStringLiteral("left to its driver");
    if (mode == QLatin1String("other"))
        return QStringLiteral("another layout of its driver's");
    if (mode == QLatin1String("unknown"))
        return QStringLiteral("unreadable");
    return {};
}

// The session bus is the tests' private one: reached at the address the environment gives now,
// on a connection of the object's own. Qt's shared session connection stays with whichever bus
// a process met first.
QDBusConnection connectTo(DBusKeyboardModes::Bus bus, const QString &name) {
    if (bus == DBusKeyboardModes::Bus::system)
        return QDBusConnection::systemBus();
    return QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), name);
}

QString connectionNameFor(DBusKeyboardModes::Bus bus) {
    static std::atomic<int> serial = 0;
    return bus == DBusKeyboardModes::Bus::session
               ? QStringLiteral("vantel-keyboard-modes-%1").arg(++serial)
               : QString();
}

QDBusMessage serviceCall(const QString &interface, const QString &member) {
    return QDBusMessage::createMethodCall(KeyboardBus::service, KeyboardBus::path, interface,
                                          member);
}
} // namespace

DBusKeyboardModes::DBusKeyboardModes(Bus bus)
    : connectionName_(connectionNameFor(bus)),
      bus_(std::make_unique<QDBusConnection>(connectTo(bus, connectionName_))) {
    registerKeyboardBusTypes();
}

DBusKeyboardModes::~DBusKeyboardModes() {
    serviceWatcher_.reset();
    if (!connectionName_.isEmpty())
        QDBusConnection::disconnectFromBus(connectionName_);
}

DBusKeyboardModes::Bus DBusKeyboardModes::busFromEnvironment() {
    return qEnvironmentVariable("VANTEL_KEYBOARD_BUS") == QLatin1String("session") ? Bus::session
                                                                                   : Bus::system;
}

void DBusKeyboardModes::apply(bool fnState) {
    if (inFlight_) {
        waiting_ = inFlight_ == fnState ? std::nullopt : std::optional(fnState);
        return;
    }
    send(fnState);
}

void DBusKeyboardModes::send(bool fnState) {
    inFlight_ = fnState;
    QDBusMessage call = serviceCall(KeyboardBus::interface, QStringLiteral("SetMode"));
    call << modeFor(fnState);
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call, setModeTimeoutMs), &context_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context_,
                     [this, watcher, fnState] { answered(watcher, fnState); });
}

void DBusKeyboardModes::answered(QDBusPendingCallWatcher *watcher, bool fnState) {
    watcher->deleteLater();
    const QDBusMessage reply = watcher->reply();
    inFlight_.reset();
    if (reply.errorName() == KeyboardBus::cancelledError) {
        // Replaced by a newer request or given up on by the service: what comes next tells.
        qCDebug(lcKeyboard).noquote()
            << "request for" << modeFor(fnState) << "superseded -" << reply.errorMessage();
    } else if (reply.type() == QDBusMessage::ErrorMessage) {
        report_ = {outcomeOf(reply.errorName()), {}, reply.errorMessage(), {}};
        // Most desktops have no keyboard to switch, or no service: saying so at every switch
        // would bury everything else on standard error. A new failure is told again.
        const QString failure = reply.errorName() + QLatin1Char(' ') + reply.errorMessage();
        if (std::exchange(toldFailure_, failure) != failure)
            qCInfo(lcKeyboard).noquote()
                << "keyboards not switched to" << modeFor(fnState) << "-" << failure;
        else
            qCDebug(lcKeyboard).noquote()
                << "keyboards not switched to" << modeFor(fnState) << "- again";
    } else {
        toldFailure_.reset();
        qCInfo(lcKeyboard).noquote() << "switched" << reply.arguments().value(0).toUInt()
                                     << "keyboards to" << modeFor(fnState);
        readNames(fnState);
    }
    if (const std::optional<bool> next = std::exchange(waiting_, std::nullopt))
        send(*next);
}

void DBusKeyboardModes::followKeyboards(std::function<void(bool fnState)> changed) {
    signal_ = std::make_unique<KeyboardSignal>(std::move(changed));
    bus_->connect(KeyboardBus::service, KeyboardBus::path, KeyboardBus::interface,
                  QStringLiteral("ModeChangedByKeyboard"), signal_.get(),
                  SLOT(modeChanged(QString)));
    // The service stays while a subscriber is on the bus; one that restarted (an upgrade, a
    // crash) knows nothing of its subscribers and is asked again, a little later.
    serviceWatcher_ = std::make_unique<QDBusServiceWatcher>(
        KeyboardBus::service, *bus_, QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(
        serviceWatcher_.get(), &QDBusServiceWatcher::serviceUnregistered, &context_,
        [this] { QTimer::singleShot(resubscribeDelayMs, &context_, [this] { subscribe(); }); });
    subscribe();
}

void DBusKeyboardModes::subscribe() {
    auto *watcher = new QDBusPendingCallWatcher(
        bus_->asyncCall(serviceCall(KeyboardBus::interface, QStringLiteral("Subscribe"))),
        &context_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context_, [watcher] {
        watcher->deleteLater();
        if (watcher->isError())
            qCInfo(lcKeyboard).noquote()
                << "changes made on the keyboards are not followed:" << watcher->error().message();
    });
}

void DBusKeyboardModes::listKeyboards(std::function<void(const KeyboardListing &)> listed) {
    QDBusMessage call =
        serviceCall(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << KeyboardBus::interface << QStringLiteral("Keyboards");
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call), &context_);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, &context_,
        [watcher, listed = std::move(listed)] {
            watcher->deleteLater();
            const QDBusMessage reply = watcher->reply();
            KeyboardListing listing;
            if (reply.type() != QDBusMessage::ReplyMessage) {
                listing.serviceMissing =
                    outcomeOf(reply.errorName()) == KeyboardReport::Outcome::unavailable;
                listing.failure = reply.errorMessage();
                listed(listing);
                return;
            }
            KeyboardEntries entries;
            reply.arguments().value(0).value<QDBusVariant>().variant().value<QDBusArgument>() >>
                entries;
            for (const KeyboardEntry &entry : entries)
                listing.keyboards.append(
                    {entry.name, entry.driver, entry.mode, unswitchableText(entry.mode)});
            listed(listing);
        });
}

// The names of the keyboards now in the mode, for the About window.
void DBusKeyboardModes::readNames(bool fnState) {
    QDBusMessage call =
        serviceCall(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << KeyboardBus::interface << QStringLiteral("Keyboards");
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call), &context_);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, &context_, [this, watcher, fnState] {
            watcher->deleteLater();
            KeyboardEntries entries;
            const QDBusMessage reply = watcher->reply();
            if (reply.type() == QDBusMessage::ReplyMessage)
                reply.arguments().value(0).value<QDBusVariant>().variant().value<QDBusArgument>() >>
                    entries;
            KeyboardReport report{KeyboardReport::Outcome::switched, {}, {}, {}};
            for (const KeyboardEntry &entry : entries) {
                if (entry.mode == modeFor(fnState))
                    report.switched.append(entry.name);
                else if (const QString does = unswitchableText(entry.mode); !does.isEmpty())
                    report.unswitchable.append(entry.name + QStringLiteral(": ") + does);
            }
            report_ = report;
        });
}

#include "DBusKeyboardModes.moc"
