#include "keyboards/DBusKeyboardModes.h"

#include "keyboard-service/KeyboardBusTypes.h"
#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>

namespace {
// polkit may ask for a password when the session is not the active one.
constexpr int setModeTimeoutMs = 5 * 60 * 1000;

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

QDBusMessage serviceCall(const QString &interface, const QString &member) {
    return QDBusMessage::createMethodCall(KeyboardBus::service, KeyboardBus::path, interface,
                                          member);
}
} // namespace

DBusKeyboardModes::DBusKeyboardModes(Bus bus)
    : bus_(std::make_unique<QDBusConnection>(bus == Bus::session ? QDBusConnection::sessionBus()
                                                                 : QDBusConnection::systemBus())) {
    registerKeyboardBusTypes();
}

DBusKeyboardModes::~DBusKeyboardModes() = default;

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
    if (reply.type() == QDBusMessage::ErrorMessage) {
        report_ = {outcomeOf(reply.errorName()), {}, reply.errorMessage()};
        qCInfo(lcKeyboard).noquote() << "keyboards not switched to" << modeFor(fnState) << "-"
                                     << reply.errorName() << reply.errorMessage();
    } else {
        qCInfo(lcKeyboard).noquote() << "switched" << reply.arguments().value(0).toUInt()
                                     << "keyboards to" << modeFor(fnState);
        readNames(fnState);
    }
    if (const std::optional<bool> next = std::exchange(waiting_, std::nullopt))
        send(*next);
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
            KeyboardReport report{KeyboardReport::Outcome::switched, {}, {}};
            for (const KeyboardEntry &entry : entries)
                if (entry.mode == modeFor(fnState))
                    report.switched.append(entry.name);
            report_ = report;
        });
}
