// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "focus/FocusWatch.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class QDBusConnection;
class QDBusServiceWatcher;
class ShellReports;

// Follows the focus on GNOME Shell, which tells programs nothing of it: the extension Vantel
// ships reports each change of the application in front by calling an object this watch offers
// on the session bus. Whether the extension runs is asked of the shell and followed as the user
// turns it on or off.
class GnomeFocusWatch final : public FocusWatch {
    Q_OBJECT
public:
    // The extension's ids, one for each form the shell loads (GNOME 43-44, GNOME 45 on).
    static QStringList extensionIds();

    explicit GnomeFocusWatch(const QDBusConnection &bus, QObject *parent = nullptr);
    ~GnomeFocusWatch() override;

    void start() override;
    void stop() override;
    QString application() const override { return application_; }
    QString unavailableReason() const override;

private:
    friend class ShellReports;

    // What the extension reported; reports of anyone but the shell, and ids no desktop file
    // could have, are dropped.
    void take(const QString &sender, const QString &application);
    // The extension's state as the shell tells it (1 running); -1 when the shell knows no such
    // extension.
    void setState(const QString &id, int state);
    void shellOwnerChanged(const QString &owner);
    void askShell();

    QString busName_;
    std::unique_ptr<ShellReports> reports_;
    std::unique_ptr<QDBusServiceWatcher> shellWatcher_;
    QString shellOwner_;
    QHash<QString, int> states_;
    QString application_;
    bool started_ = false;
};
