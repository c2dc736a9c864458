// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

// Tells when a preference file changes on disk, also when it is replaced by a rename (as every
// atomic writer does), created or removed: the file and its directory are watched together.
class PreferenceFileWatcher : public QObject {
    Q_OBJECT
public:
    explicit PreferenceFileWatcher(const QString &path);

    // The global preference domain's file in the user's store.
    static QString globalDomainPath();
    // The program's own domain's file, where the modes per application are kept.
    static QString programDomainPath();

signals:
    void changed();

private:
    void check();
    QString fingerprint() const;

    QString path_;
    QString fingerprint_;
    QFileSystemWatcher watcher_;
};
