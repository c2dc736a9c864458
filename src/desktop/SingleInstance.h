// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QDBusConnection;

// Keeps a second Vantel of the same desktop session from starting. The claim is a well-known
// name on the session bus, which the bus frees the moment the process ends, crash or not.
// Without a session bus a lock file stands in, locked with flock and so freed the same way.
class SingleInstance {
public:
    static constexpr const char *busName = "org.vantel.Vantel";

    // Tries to claim the session for this process; `lockFile` is used only without a bus.
    SingleInstance(const QDBusConnection &bus, const QString &lockFile);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False when another process holds the claim.
    bool claimed() const { return claimed_; }
    // Gives the claim up now (a restart hands it on); also done on destruction.
    void release();

    // Where the lock file lives for this user and display.
    static QString defaultLockFile();

private:
    bool claimWithBus();
    bool claimWithLockFile(const QString &lockFile);

    std::unique_ptr<QDBusConnection> bus_;
    bool claimed_ = false;
    bool holdsName_ = false;
    int lockFd_ = -1;
};
