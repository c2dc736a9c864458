// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/PolkitAuthorizer.h"

#include "logging/LoggingCategories.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QVariantMap>

namespace {

const QString action = QStringLiteral("org.vantel.keyboard.set-mode");
constexpr uint allowUserInteraction = 1;
// The service cancels a check long before this; it only bounds a check the authority never
// answers, even after being cancelled.
constexpr int checkTimeoutMs = 5 * 60 * 1000;
const QString cancelledError = QStringLiteral("org.freedesktop.PolicyKit1.Error.Cancelled");
const QString authorityService = QStringLiteral("org.freedesktop.PolicyKit1");
const QString authorityPath = QStringLiteral("/org/freedesktop/PolicyKit1/Authority");
const QString authorityInterface = QStringLiteral("org.freedesktop.PolicyKit1.Authority");

using Details = QMap<QString, QString>;

struct Subject {
    QString kind;
    QVariantMap details;
};

QDBusArgument &operator<<(QDBusArgument &argument, const Subject &subject) {
    argument.beginStructure();
    argument << subject.kind << subject.details;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, Subject &subject) {
    argument.beginStructure();
    argument >> subject.kind >> subject.details;
    argument.endStructure();
    return argument;
}

QDBusMessage checkMessage(const QString &id, const QString &caller, bool interactive) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        authorityService, authorityPath, authorityInterface, QStringLiteral("CheckAuthorization"));
    const Subject subject{QStringLiteral("system-bus-name"), {{QStringLiteral("name"), caller}}};
    message << QVariant::fromValue(subject) << action << QVariant::fromValue(Details())
            << (interactive ? allowUserInteraction : 0u) << id;
    return message;
}

bool isAuthorized(const QDBusMessage &reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != "(bba{ss})")
        return false;
    const QDBusArgument result = reply.arguments().at(0).value<QDBusArgument>();
    bool authorized = false;
    bool challenge = false;
    Details details;
    result.beginStructure();
    result >> authorized >> challenge >> details;
    result.endStructure();
    return authorized;
}

} // namespace

Q_DECLARE_METATYPE(Subject)

PolkitAuthorizer::PolkitAuthorizer(const QString &connectionName)
    : connectionName_(connectionName) {
    qDBusRegisterMetaType<Subject>();
    qDBusRegisterMetaType<Details>();
}

void PolkitAuthorizer::check(const QString &id, const QString &caller, bool interactive,
                             std::function<void(bool allowed, QString why)> done) {
    QDBusConnection bus(connectionName_);
    auto *watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(checkMessage(id, caller, interactive), checkTimeoutMs), &context_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context_,
                     [watcher, caller, done = std::move(done)] {
                         watcher->deleteLater();
                         const QDBusMessage reply = watcher->reply();
                         if (reply.errorName() == cancelledError) {
                             done(false, QStringLiteral("cancelled"));
                             return;
                         }
                         if (reply.type() == QDBusMessage::ErrorMessage) {
                             qCWarning(lcKeyboard).noquote() << "polkit could not be asked about"
                                                             << caller << reply.errorMessage();
                             done(false, QStringLiteral("the authority could not be asked"));
                             return;
                         }
                         const bool allowed = isAuthorized(reply);
                         qCInfo(lcKeyboard).noquote()
                             << (allowed ? "polkit allows" : "polkit refuses") << caller;
                         done(allowed, allowed ? QString() : QStringLiteral("refused by polkit"));
                     });
}

void PolkitAuthorizer::cancel(const QString &id) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(authorityService, authorityPath, authorityInterface,
                                       QStringLiteral("CancelCheckAuthorization"));
    message << id;
    // The check itself then ends with an error, which is what the service waits for.
    QDBusConnection(connectionName_).send(message);
}
