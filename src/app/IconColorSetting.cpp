// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "IconColorSetting.h"

#include "Store.h"
#include "fnkey/ProcessRunner.h"

#include <QDir>
#include <QFileInfo>

#include <chrono>
#include <cstdlib>

using namespace std::chrono_literals;

IconColorSetting::IconColorSetting(QString defaultsTool, QString storeDirectory, QObject *parent)
    : QObject(parent), defaultsTool_(std::move(defaultsTool)),
      storeDirectory_(std::move(storeDirectory)) {
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        watch();
        reread();
    });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        watch();
        reread();
    });
    watch();
    reread();
}

QString IconColorSetting::defaultStoreDirectory() {
    return QString::fromStdString(storeRoot(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

void IconColorSetting::watch() {
    // The tool replaces the domain's file by renaming a new one over it, which only the
    // directory sees; before the first write there is no directory, only its parent.
    QStringList paths{storeDirectory_, QFileInfo(storeDirectory_).absolutePath()};
    paths.removeIf([this](const QString &path) {
        return !QFileInfo::exists(path) || watcher_.directories().contains(path);
    });
    if (!paths.isEmpty())
        watcher_.addPaths(paths);
}

void IconColorSetting::reread() {
    const ProcessResult result = runProcess(
        defaultsTool_,
        {QStringLiteral("read"), QStringLiteral("org.vantel.Vantel"), QStringLiteral("IconColor")},
        5s);
    // A missing key or domain fails the read: that is the default, automatic.
    const IconColorPreference preference = result.status == 0 && result.output
                                               ? iconColorPreference(*result.output)
                                               : IconColorPreference::automatic;
    if (preference == preference_)
        return;
    preference_ = preference;
    emit changed(preference);
}
