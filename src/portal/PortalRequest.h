// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <memory>

class QDBusConnection;

// One call to the desktop portal whose answer comes later, as the Response signal of a request
// object. The request listens before the call goes out, so an answer that overtakes the
// method's own reply is still heard, and it keeps its own state from that moment: several
// requests may be under way at once. It deletes itself once answered.
class PortalRequest : public QObject {
    Q_OBJECT
public:
    // 0 granted, 1 cancelled by the user, 2 anything else; `results` as the portal sent them, or
    // an "error" text when the call itself failed.
    using Answer = std::function<void(uint response, const QVariantMap &results)>;
    static constexpr uint granted = 0;
    static constexpr uint cancelled = 1;
    static constexpr uint failed = 2;

    PortalRequest(const QDBusConnection &bus, Answer answer, QObject *parent = nullptr);
    ~PortalRequest() override;

    // The handle_token to pass in the call's options.
    QString token() const { return token_; }
    // Calls `method` of the portal's global-shortcuts interface. Answers exactly once, possibly
    // before this returns (with `failed` when no one could be listening for the answer).
    void call(const QString &method, const QVariantList &arguments);

    // The path at which a portal answers a request with `token` from the connection `sender`.
    static QString predictedPath(const QString &sender, const QString &token);

private:
    struct Heard {
        QString path;
        uint response;
        QVariantMap results;
    };

    void heard(const Heard &answer);
    void replied(const QString &handle);
    void finish(uint response, const QVariantMap &results);

    std::unique_ptr<QDBusConnection> bus_;
    Answer answer_;
    QString token_;
    // Where the answer will come: predicted at first, then the handle the portal returned.
    QString path_;
    bool replied_ = false;
    bool finished_ = false;
    // Answers at other paths heard before the reply named ours.
    QList<Heard> early_;
    std::unique_ptr<QObject> listener_;
};
