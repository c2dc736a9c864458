// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

// Decides whether a caller may change the mode. Asynchronous because the decision may wait for
// a person to answer a password prompt, and the service must keep serving others meanwhile.
class Authorizer {
public:
    virtual ~Authorizer() = default;
    // Starts the check `id` (unique among the checks in flight). `interactive` says whether the
    // caller is willing to wait for a password prompt. Calls `done` exactly once, later, with the
    // answer and, when refused, a reason for logs; also after cancel().
    virtual void check(const QString &id, const QString &caller, bool interactive,
                       std::function<void(bool allowed, QString why)> done) = 0;
    // Asks the authority to give up the check `id`, closing any prompt it opened for it.
    virtual void cancel(const QString &id) = 0;
};
