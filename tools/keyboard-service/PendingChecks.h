// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/Authorizer.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <map>

// Who is asking, as the bus tells it.
struct Caller {
    QString name; // the caller's unique bus name
    uint uid = uint(-1);
    bool interactive = false; // willing to wait for a password prompt
};

enum class CheckOutcome { allowed, refused, cancelled };

// The authorisation checks in flight, kept few enough that nobody can use up the service's
// share of the bus: one per caller (a newer request replaces the older), a few per user and a
// bounded number overall. When a cap is reached the oldest check of whoever holds the most
// makes room, so a caller whose check the authority answers at once is never locked out.
// Checks are cancelled at the authority when replaced, when their caller leaves the bus or
// after a deadline; while the authority still owes many answers (cancelled checks included),
// new checks wait their turn instead of failing.
class PendingChecks : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int perUser = 8;
        int overall = 32;
        // Checks sent and not yet answered, cancelled ones included: well below what the bus
        // lets one connection await (128 on the system bus). Further checks wait to be sent.
        int inFlight = 96;
        std::chrono::milliseconds deadline = std::chrono::minutes(2);
    };

    PendingChecks(Authorizer &authorizer, Limits limits);

    // `decided` runs exactly once: with the authority's answer, or as cancelled with the reason.
    void ask(const Caller &caller, std::function<void(CheckOutcome, QString why)> decided);
    void callerLeft(const QString &name);
    // Every check still awaiting its answer is decided as cancelled for `why`, and cancelled at
    // the authority; the authority's replies to those cancellations are then of no concern.
    void cancelAll(const QString &why);
    // Whether no check waits, to be sent or for the authority's answer (cancelled or not).
    bool isEmpty() const { return checks_.empty(); }

signals:
    // The authority has answered every check started.
    void settled();

private:
    struct Check {
        Caller caller;
        std::function<void(CheckOutcome, QString)> decided; // empty once cancelled
        QObject *deadline = nullptr;
        bool sent = false;
    };
    using Checks = std::map<quint64, Check>; // by age: the ids only grow

    void cancel(Checks::iterator check, const QString &why);
    void cancelEvery(const std::function<bool(const Check &)> &chosen, const QString &why);
    void finish(quint64 id, bool allowed, const QString &why);
    void sendWaiting();
    int liveCount(const std::function<bool(const Check &)> &counted) const;
    Checks::iterator oldestOfBusiestUser();

    Authorizer &authorizer_;
    Limits limits_;
    Checks checks_;
    quint64 nextId_ = 1;
};
