// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QTemporaryDir>

// A directory of small shell scripts that stand in for real tools.
class FakeExecutables {
public:
    FakeExecutables();
    // Writes an executable `name` whose body is the given /bin/sh script; returns its path.
    QString add(const QString &name, const QByteArray &shellBody);
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// True when a process whose command line contains `marker` is still alive.
bool processWithMarkerAlive(const QByteArray &marker);

// Waits until no live process matches `marker`: a killed process dies when the kernel next
// schedules it, not at the instant the signal is sent. False if one is still alive after `limit`.
bool processWithMarkerGone(const QByteArray &marker, int limitMs = 10000);
