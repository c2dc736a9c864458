// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboards/KeyboardModes.h"

#include <QObject>

#include <memory>
#include <optional>

class QDBusConnection;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;
class KeyboardSignal;

// Asks the keyboard service on the system bus (or, for tests, the session bus). One request at a
// time: a request made meanwhile waits and only the newest is sent, so the keyboards end in the
// mode asked for last, whatever order polkit answers in.
class DBusKeyboardModes final : public KeyboardModes {
public:
    enum class Bus { system, session };
    explicit DBusKeyboardModes(Bus bus);
    ~DBusKeyboardModes() override;

    void apply(bool fnState) override;
    KeyboardReport report() const override { return report_; }
    // Subscribes, and again whenever the service came back after leaving the bus.
    void followKeyboards(std::function<void(bool fnState)> changed) override;
    void listKeyboards(std::function<void(const KeyboardListing &)> listed) override;

    // The bus named by VANTEL_KEYBOARD_BUS ("session" for tests; the system bus otherwise).
    static Bus busFromEnvironment();

private:
    void send(bool fnState);
    void answered(QDBusPendingCallWatcher *watcher, bool fnState);
    void readNames(bool fnState);
    void subscribe();

    QString connectionName_; // the session bus connection's, which is this object's own
    std::unique_ptr<QDBusConnection> bus_;
    QObject context_;
    std::optional<bool> inFlight_;
    std::optional<bool> waiting_;
    std::optional<QString> toldFailure_; // the failure last logged, until a switch succeeds
    KeyboardReport report_;
    std::unique_ptr<KeyboardSignal> signal_;
    std::unique_ptr<QDBusServiceWatcher> serviceWatcher_;
};
