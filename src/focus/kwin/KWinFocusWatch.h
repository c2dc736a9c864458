// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "focus/FocusWatch.h"

#include <QStringList>

#include <functional>
#include <memory>

class QDBusConnection;
class QDBusPendingCallWatcher;
class QTemporaryFile;

// The application in front on KDE Plasma's Wayland sessions, where only KWin knows it: a small
// script lent to KWin reports each activated window back over the session bus. The script is
// loaded under one fixed name, so a copy left behind by a crashed run is taken back first, and
// loaded again whenever KWin comes back to the bus. KWin is never waited for, except to take the
// script back on the way out.
class KWinFocusWatch final : public FocusWatch {
    Q_OBJECT
public:
    static constexpr const char *pluginName = "vantel-focus";

    explicit KWinFocusWatch(const QDBusConnection &bus, QObject *parent = nullptr);
    ~KWinFocusWatch() override;

    void start() override;
    void stop() override;
    QString application() const override { return application_; }
    QString unavailableReason() const override { return reason_; }

private:
    void load();
    void loaded(QDBusPendingCallWatcher *call);
    void run(int scriptId, bool plasma6Path);
    void windowActivated(const QString &desktopFileName, const QString &resourceClass);
    void kwinLeft();
    void setReason(const QString &reason);
    // Calls `method` on KWin's scripting with `arguments`; `done` gets the finished call
    // unless the watch stopped, KWin left or the load began again meanwhile.
    void callScripting(const QString &path, const QString &interface, const QString &method,
                       const QVariantList &arguments,
                       std::function<void(QDBusPendingCallWatcher *)> done);

    std::unique_ptr<QDBusConnection> bus_;
    std::unique_ptr<QObject> receiver_;
    std::unique_ptr<QObject> kwinWatcher_;
    std::unique_ptr<QTemporaryFile> script_;
    QStringList ownIds_;
    QString application_;
    QString reason_;
    QString kwinSender_;
    int scriptingWaits_ = 0;
    bool running_ = false;
    // Tells the answers of an earlier load, still on their way, from those of the current one.
    int generation_ = 0;
};
