// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <atomic>

// A StatusNotifierWatcher that publishes its host property the way Qt reads it.
class FakeTrayWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
public:
    std::atomic<bool> host = false;
    bool isHostRegistered() const { return host; }

signals:
    void StatusNotifierHostRegistered();
};
