// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "portal/PortalRequest.h"

#include "portal/PortalNames.h"
#include "portal/PortalSignal.h"

#include "logging/LoggingCategories.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QPointer>
#include <QRandomGenerator>

namespace {

QVariantMap errorResults(const QString &error) {
    return {{QStringLiteral("error"), error}};
}
} // namespace

PortalRequest::PortalRequest(const QDBusConnection &bus, Answer answer, QObject *parent)
    : QObject(parent), bus_(std::make_unique<QDBusConnection>(bus)), answer_(std::move(answer)),
      token_(QStringLiteral("vantel_%1").arg(QRandomGenerator::global()->generate64(), 0, 16)) {}

PortalRequest::~PortalRequest() = default;

QString PortalRequest::predictedPath(const QString &sender, const QString &token) {
    QString name = sender;
    if (name.startsWith(QLatin1Char(':')))
        name.remove(0, 1);
    name.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(name, token);
}

void PortalRequest::call(const QString &method, const QVariantList &arguments) {
    path_ = predictedPath(bus_->baseService(), token_);
    // Every Response at any path: a portal that does not honour handle_token names the path only
    // in its reply, and may answer right after it.
    listener_ = listenToPortal(
        *bus_, QString(), portal::request, QStringLiteral("Response"),
        [self = QPointer<PortalRequest>(this)](const QString &path, const QVariantList &signal) {
            if (self && signal.size() >= 2)
                self->heard({path, signal.at(0).toUInt(), qdbus_cast<QVariantMap>(signal.at(1))});
        });
    if (!listener_) {
        qCInfo(lcPortal) << "cannot subscribe to the portal's answers";
        finish(failed, errorResults(QStringLiteral("cannot listen for the portal's answer")));
        return;
    }
    QDBusMessage message =
        QDBusMessage::createMethodCall(portal::service, portal::path, portal::shortcuts, method);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, method](QDBusPendingCallWatcher *done) {
                done->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *done;
                if (finished_)
                    return;
                if (reply.isError())
                    finish(failed,
                           errorResults(method + QStringLiteral(": ") + reply.error().message()));
                else
                    replied(reply.value().path());
            });
}

void PortalRequest::heard(const Heard &answer) {
    if (finished_)
        return;
    if (answer.path == path_)
        finish(answer.response, answer.results);
    else if (!replied_)
        early_.append(answer);
}

void PortalRequest::replied(const QString &handle) {
    replied_ = true;
    path_ = handle;
    for (const Heard &answer : std::as_const(early_))
        if (answer.path == handle)
            return finish(answer.response, answer.results);
    early_.clear();
}

void PortalRequest::finish(uint response, const QVariantMap &results) {
    finished_ = true;
    early_.clear();
    // Not deleted at once: the answer may come from inside the listener's own slot.
    if (listener_)
        listener_.release()->deleteLater();
    // A finished request has nothing left to do; it may be answering from inside its watcher.
    deleteLater();
    answer_(response, results);
}
