// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tray/colours/IconAppearance.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

// The user's IconColor preference (`defaults write org.vantel.Vantel IconColor -string
// light|dark|auto`), read through the preference tool at start and again whenever the store's
// directory changes.
class IconColorSetting : public QObject {
    Q_OBJECT
public:
    // `defaultsTool` reads the preference; `storeDirectory` is where the tool keeps its files.
    IconColorSetting(QString defaultsTool, QString storeDirectory, QObject *parent = nullptr);

    IconColorPreference preference() const { return preference_; }

    // The store directory for the current environment, as the tool computes it.
    static QString defaultStoreDirectory();

signals:
    void changed(IconColorPreference preference);

private:
    void reread();
    void watch();

    QString defaultsTool_;
    QString storeDirectory_;
    QFileSystemWatcher watcher_;
    IconColorPreference preference_ = IconColorPreference::automatic;
};
