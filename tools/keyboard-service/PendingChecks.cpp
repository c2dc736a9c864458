// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/PendingChecks.h"

#include "logging/LoggingCategories.h"

#include <QTimer>

#include <algorithm>

namespace {

QString cancellationId(quint64 id) {
    return QStringLiteral("vantel-check-%1").arg(id);
}

} // namespace

PendingChecks::PendingChecks(Authorizer &authorizer, Limits limits)
    : authorizer_(authorizer), limits_(limits) {}

int PendingChecks::liveCount(const std::function<bool(const Check &)> &counted) const {
    return int(std::count_if(checks_.begin(), checks_.end(), [&](const auto &entry) {
        return entry.second.decided && counted(entry.second);
    }));
}

PendingChecks::Checks::iterator PendingChecks::oldestOfBusiestUser() {
    Checks::iterator chosen = checks_.end();
    int most = 0;
    for (auto it = checks_.begin(); it != checks_.end(); ++it) {
        if (!it->second.decided)
            continue;
        const uint uid = it->second.caller.uid;
        const int held = liveCount([uid](const Check &check) { return check.caller.uid == uid; });
        if (held > most) { // the first found is the oldest of its user
            most = held;
            chosen = it;
        }
    }
    return chosen;
}

void PendingChecks::ask(const Caller &caller,
                        std::function<void(CheckOutcome, QString why)> decided) {
    cancelEvery([&caller](const Check &check) { return check.caller.name == caller.name; },
                QStringLiteral("replaced by a newer request from the same caller"));
    const auto sameUser = [&caller](const Check &check) { return check.caller.uid == caller.uid; };
    if (liveCount(sameUser) >= limits_.perUser) {
        const auto oldest = std::find_if(checks_.begin(), checks_.end(), [&](const auto &entry) {
            return entry.second.decided && sameUser(entry.second);
        });
        cancel(oldest, QStringLiteral("too many requests from the same user are waiting"));
    }
    if (liveCount([](const Check &) { return true; }) >= limits_.overall)
        cancel(oldestOfBusiestUser(), QStringLiteral("too many requests are waiting"));
    const quint64 id = nextId_++;
    auto *deadline = new QTimer(this);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this, id] {
        if (const auto it = checks_.find(id); it != checks_.end() && it->second.decided)
            cancel(it, QStringLiteral("no answer in time"));
    });
    deadline->start(limits_.deadline);
    checks_.emplace(id, Check{caller, std::move(decided), deadline});
    sendWaiting();
}

void PendingChecks::sendWaiting() {
    int sent = int(std::count_if(checks_.begin(), checks_.end(),
                                 [](const auto &entry) { return entry.second.sent; }));
    for (auto it = checks_.begin(); it != checks_.end() && sent < limits_.inFlight; ++it) {
        if (it->second.sent)
            continue;
        it->second.sent = true;
        ++sent;
        const quint64 id = it->first;
        authorizer_.check(
            cancellationId(id), it->second.caller.name, it->second.caller.interactive,
            [this, id](bool allowed, const QString &why) { finish(id, allowed, why); });
    }
}

void PendingChecks::callerLeft(const QString &name) {
    cancelEvery([&name](const Check &check) { return check.caller.name == name; },
                QStringLiteral("the caller left the bus"));
}

void PendingChecks::cancelAll(const QString &why) {
    cancelEvery([](const Check &) { return true; }, why);
}

void PendingChecks::cancelEvery(const std::function<bool(const Check &)> &chosen,
                                const QString &why) {
    for (auto it = checks_.begin(); it != checks_.end();) {
        const auto current = it++; // cancelling may remove it
        if (current->second.decided && chosen(current->second))
            cancel(current, why);
    }
}

void PendingChecks::cancel(Checks::iterator check, const QString &why) {
    if (check == checks_.end() || !check->second.decided)
        return;
    qCInfo(lcKeyboard).noquote() << "cancelling the check for" << check->second.caller.name << "-"
                                 << why;
    std::exchange(check->second.decided, {})(CheckOutcome::cancelled, why);
    delete std::exchange(check->second.deadline, nullptr);
    if (check->second.sent) {
        authorizer_.cancel(cancellationId(check->first));
        return;
    }
    checks_.erase(check);
    if (checks_.empty())
        emit settled();
}

void PendingChecks::finish(quint64 id, bool allowed, const QString &why) {
    const auto it = checks_.find(id);
    if (it == checks_.end())
        return;
    Check check = std::move(it->second);
    checks_.erase(it);
    delete check.deadline;
    if (check.decided)
        check.decided(allowed ? CheckOutcome::allowed : CheckOutcome::refused, why);
    sendWaiting();
    if (checks_.empty())
        emit settled();
}
