// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "desktop/PreferenceFileWatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>

PreferenceFileWatcher::PreferenceFileWatcher(const QString &path)
    : path_(path), fingerprint_(fingerprint()) {
    // The store makes its directory private on first write; made here first, it is the same.
    const QString directory = QFileInfo(path).absolutePath();
    if (QDir().mkpath(directory))
        QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    watcher_.addPath(directory);
    if (QFileInfo::exists(path))
        watcher_.addPath(path);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &PreferenceFileWatcher::check);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &PreferenceFileWatcher::check);
}

QString PreferenceFileWatcher::globalDomainPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vantel-preferences/NSGlobalDomain.plist");
}

QString PreferenceFileWatcher::programDomainPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vantel-preferences/org.vantel.Vantel.plist");
}

// A rename puts a new inode in place; an edit in place changes size or time.
QString PreferenceFileWatcher::fingerprint() const {
    struct stat info {};
    if (::stat(QFile::encodeName(path_).constData(), &info) != 0)
        return {};
    return QStringLiteral("%1:%2:%3.%4")
        .arg(info.st_ino)
        .arg(info.st_size)
        .arg(info.st_mtim.tv_sec)
        .arg(info.st_mtim.tv_nsec);
}

void PreferenceFileWatcher::check() {
    // A renamed-over file is dropped from the watch list; watch the new one.
    if (QFileInfo::exists(path_) && !watcher_.files().contains(path_))
        watcher_.addPath(path_);
    const QString now = fingerprint();
    if (now == fingerprint_)
        return;
    fingerprint_ = now;
    emit changed();
}
