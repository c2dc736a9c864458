#include "PortalRequest.h"

#include "PortalNames.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QRandomGenerator>

namespace {
Q_LOGGING_CATEGORY(lcPortal, "vantel.portal", QtInfoMsg)

QVariantMap errorResults(const QString &error) {
    return {{QStringLiteral("error"), error}};
}
} // namespace

PortalRequest::PortalRequest(const QDBusConnection &bus, Answer answer, QObject *parent)
    : QObject(parent), bus_(std::make_unique<QDBusConnection>(bus)), answer_(std::move(answer)),
      token_(QStringLiteral("vantel_%1").arg(QRandomGenerator::global()->generate64(), 0, 16)) {}

PortalRequest::~PortalRequest() {
    stopListening();
}

QString PortalRequest::predictedPath(const QString &sender, const QString &token) {
    QString name = sender;
    if (name.startsWith(QLatin1Char(':')))
        name.remove(0, 1);
    name.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(name, token);
}

void PortalRequest::call(const QString &method, const QVariantList &arguments) {
    if (!listenAt(predictedPath(bus_->baseService(), token_))) {
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
                if (reply.isError()) {
                    finish(failed,
                           errorResults(method + QStringLiteral(": ") + reply.error().message()));
                    return;
                }
                // Portals before handle_token answer at a path of their own choosing.
                const QString handle = reply.value().path();
                if (handle != path_ && !listenAt(handle))
                    finish(failed,
                           errorResults(QStringLiteral("cannot listen for the portal's answer")));
            });
}

bool PortalRequest::listenAt(const QString &path) {
    stopListening();
    // Fails, among other reasons, when the slot's argument types are unknown to QtDBus.
    const bool listening =
        bus_->connect(portal::service, path, portal::request, QStringLiteral("Response"), this,
                      SLOT(onResponse(uint, QVariantMap)));
    if (!listening)
        qCInfo(lcPortal) << "cannot subscribe to the portal's answer at" << path;
    else
        path_ = path;
    return listening;
}

void PortalRequest::stopListening() {
    if (path_.isEmpty())
        return;
    bus_->disconnect(portal::service, path_, portal::request, QStringLiteral("Response"), this,
                     SLOT(onResponse(uint, QVariantMap)));
    path_.clear();
}

void PortalRequest::onResponse(uint response, const QVariantMap &results) {
    if (!finished_)
        finish(response, results);
}

void PortalRequest::finish(uint response, const QVariantMap &results) {
    finished_ = true;
    stopListening();
    // A finished request has nothing left to do; it may be answering from inside its watcher.
    deleteLater();
    answer_(response, results);
}
