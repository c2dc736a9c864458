// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/Authorizer.h"

#include <QObject>
#include <QString>

// Asks polkit's authority about the action org.vantel.keyboard.set-mode for a caller's bus name.
// Anything but a clear yes (no authority, an error, a malformed answer) is a refusal.
class PolkitAuthorizer : public Authorizer {
public:
    // The authority is asked on the named Qt bus connection, the one the service is on.
    explicit PolkitAuthorizer(const QString &connectionName);

    void check(const QString &id, const QString &caller, bool interactive,
               std::function<void(bool allowed, QString why)> done) override;
    void cancel(const QString &id) override;

private:
    QString connectionName_;
    QObject context_;
};
