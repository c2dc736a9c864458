// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/NotificationCenter.h"

#include <QObject>

#include <memory>

class QDBusConnection;
class QDBusMessage;

// Banners through the desktop's org.freedesktop.Notifications service. Calls are asynchronous:
// a missing or hung server never holds up the program.
class DBusNotificationCenter final : public NotificationCenter {
public:
    explicit DBusNotificationCenter(const QDBusConnection &bus);
    ~DBusNotificationCenter() override;
    DBusNotificationCenter(const DBusNotificationCenter &) = delete;
    DBusNotificationCenter &operator=(const DBusNotificationCenter &) = delete;

    // The service asks no permission: nothing to request.
    void requestAuthorization() override {}
    void add(const NotificationRequest &request) override;

private:
    void post(const NotificationRequest &request);

    std::unique_ptr<QDBusConnection> bus_;
    // Pending triggers and replies die with the centre.
    QObject context_;
};

// The Notify call that shows `request`: a new banner (never replacing one) from "Vantel".
QDBusMessage notifyMessage(const NotificationRequest &request);
