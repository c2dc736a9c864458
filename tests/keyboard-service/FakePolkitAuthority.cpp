// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "FakePolkitAuthority.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusVirtualObject>
#include <QVariantMap>

namespace {

const QString authorityPath = QStringLiteral("/org/freedesktop/PolicyKit1/Authority");

struct AuthorizationResult {
    bool authorized = false;
    bool challenge = false;
    QMap<QString, QString> details;
};

QDBusArgument &operator<<(QDBusArgument &argument, const AuthorizationResult &result) {
    argument.beginStructure();
    argument << result.authorized << result.challenge << result.details;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, AuthorizationResult &result) {
    argument.beginStructure();
    argument >> result.authorized >> result.challenge >> result.details;
    argument.endStructure();
    return argument;
}

class AuthorityObject : public QDBusVirtualObject {
public:
    explicit AuthorityObject(FakePolkitAuthority &owner)
        : QDBusVirtualObject(&owner), owner_(owner) {}
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &) override {
        if (message.member() == QLatin1String("CancelCheckAuthorization")) {
            owner_.cancel(message);
            return true;
        }
        if (message.member() != QLatin1String("CheckAuthorization"))
            return false;
        owner_.handle(message);
        return true;
    }

private:
    FakePolkitAuthority &owner_;
};

} // namespace

Q_DECLARE_METATYPE(AuthorizationResult)

FakePolkitAuthority::FakePolkitAuthority(const QDBusConnection &bus) : bus_(bus) {
    qDBusRegisterMetaType<QMap<QString, QString>>();
    qDBusRegisterMetaType<AuthorizationResult>();
    registered_ = bus_.registerVirtualObject(authorityPath, new AuthorityObject(*this)) &&
                  bus_.registerService(QStringLiteral("org.freedesktop.PolicyKit1"));
}

FakePolkitAuthority::~FakePolkitAuthority() {
    bus_.unregisterObject(authorityPath);
    bus_.unregisterService(QStringLiteral("org.freedesktop.PolicyKit1"));
}

void FakePolkitAuthority::handle(const QDBusMessage &call) {
    Request request;
    if (call.signature() == QLatin1String("(sa{sv})sa{ss}us")) {
        const QDBusArgument subject = call.arguments().at(0).value<QDBusArgument>();
        QVariantMap details;
        subject.beginStructure();
        subject >> request.subjectKind >> details;
        subject.endStructure();
        request.subjectName = details.value(QStringLiteral("name")).toString();
        request.action = call.arguments().at(1).toString();
        request.flags = call.arguments().at(3).toUInt();
        request.cancellationId = call.arguments().at(4).toString();
    }
    requests_.append(request);
    if (holding_ || heldSubjects_.contains(request.subjectName))
        held_.append(call);
    else
        answer(call);
}

void FakePolkitAuthority::cancel(const QDBusMessage &call) {
    const QString id = call.arguments().value(0).toString();
    cancellations_.append(id);
    if (!answersCancellations_)
        return;
    for (qsizetype i = 0; i < held_.size(); ++i) {
        if (held_[i].arguments().value(4).toString() != id)
            continue;
        bus_.send(held_.takeAt(i).createErrorReply(
            QStringLiteral("org.freedesktop.PolicyKit1.Error.Cancelled"), "Cancelled"));
        break;
    }
    bus_.send(call.createReply());
}

void FakePolkitAuthority::release() {
    holding_ = false;
    heldSubjects_.clear();
    for (const QDBusMessage &call : std::exchange(held_, {}))
        answer(call);
}

void FakePolkitAuthority::answer(const QDBusMessage &call) {
    bus_.send(call.createReply(QVariant::fromValue(AuthorizationResult{allow_, false, {}})));
}
