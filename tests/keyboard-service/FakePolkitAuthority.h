// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// polkit's authority as the tests' own: owns org.freedesktop.PolicyKit1 on a private bus and
// answers CheckAuthorization with a yes or no chosen by the test, or holds the answer back the
// way a password prompt does. CancelCheckAuthorization ends a held check with polkit's
// Cancelled error and is recorded.
class FakePolkitAuthority : public QObject {
public:
    struct Request {
        QString subjectKind;
        QString subjectName;
        QString action;
        uint flags = 0;
        QString cancellationId;
    };

    explicit FakePolkitAuthority(const QDBusConnection &bus);
    ~FakePolkitAuthority() override;

    bool isRegistered() const { return registered_; }
    void setAnswer(bool allow) { allow_ = allow; }
    // While holding, requests wait until release().
    void hold() { holding_ = true; }
    // Holds only the requests about this bus name (the others are answered).
    void holdFrom(const QString &subject) { heldSubjects_.append(subject); }
    void release();
    // Records cancellations but answers neither them nor the checks they name, as an authority
    // that hung would.
    void ignoreCancellations() { answersCancellations_ = false; }
    const QList<Request> &requests() const { return requests_; }
    const QStringList &cancellations() const { return cancellations_; }
    int waiting() const { return int(held_.size()); }

    void handle(const QDBusMessage &call);
    void cancel(const QDBusMessage &call);

private:
    void answer(const QDBusMessage &call);

    QDBusConnection bus_;
    bool registered_ = false;
    bool allow_ = true;
    bool holding_ = false;
    bool answersCancellations_ = true;
    QStringList heldSubjects_;
    QList<QDBusMessage> held_;
    QList<Request> requests_;
    QStringList cancellations_;
};
