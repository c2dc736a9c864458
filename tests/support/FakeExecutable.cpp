// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "support/FakeExecutable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

FakeExecutables::FakeExecutables() = default;

QString FakeExecutables::add(const QString &name, const QByteArray &shellBody) {
    const QString file = dir_.filePath(name);
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    f.write("#!/bin/sh\n" + shellBody + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return file;
}

bool processWithMarkerAlive(const QByteArray &marker) {
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &pid : pids) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = cmdline.readAll();
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        // A zombie has been killed; only its parent's wait is missing.
        if (stat.open(QIODevice::ReadOnly) && stat.readAll().contains(") Z "))
            continue;
        if (text.contains(marker))
            return true;
    }
    return false;
}

bool processWithMarkerGone(const QByteArray &marker, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (processWithMarkerAlive(marker)) {
        if (clock.elapsed() > limitMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}
