// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/KeyboardMode.h"

#include <QString>

#include <optional>

// The mode last asked for, kept in one small file so that it outlives the service, reboots,
// suspend and re-plugging. Everything is opened from the directory's descriptor, never through
// a link, and only regular files are read.
class KeptMode {
public:
    // Held while the kept mode and the keyboards are changed, by the service and by --apply
    // alike, so that they never disagree.
    class Lock {
    public:
        Lock(int fd, QString failure) : fd_(fd), failure_(std::move(failure)) {}
        Lock(Lock &&other) noexcept : fd_(std::exchange(other.fd_, -1)), failure_(other.failure_) {}
        Lock &operator=(Lock &&) = delete;
        ~Lock();
        // Empty when the lock is held.
        QString failure() const { return failure_; }

    private:
        int fd_;
        QString failure_;
    };

    explicit KeptMode(const QString &stateDirectory);

    // Nothing when no mode was ever kept, or when the file holds anything but a mode.
    std::optional<KeyboardMode> read() const;
    // Replaces the file so that a crash of the writer leaves the old mode or the new one; on
    // failure, why. Surviving a power cut as well takes flush() afterwards.
    std::optional<QString> write(KeyboardMode mode) const;
    // Makes the last write durable: the file and the directory that names it reach the disk.
    std::optional<QString> flush() const;
    // Waits for the lock, then removes what writers killed midway left behind.
    Lock lock() const;

    QString path() const;

private:
    // The state directory, created when `create` is set; -1 with errno set on failure.
    int openDirectory(bool create) const;
    void removeLeftovers(int directory) const;

    QString directory_;
};
