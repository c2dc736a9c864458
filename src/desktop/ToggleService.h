// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class QDBusConnection;

// The running program's toggle, offered on the session bus so that a desktop's own shortcut
// settings can reach it (`vantel --toggle`) where no global shortcut can be grabbed.
// The interface itself is dbus/org.vantel.Vantel.xml, whose generated adaptor calls the slots.
class ToggleService : public QObject {
    Q_OBJECT
public:
    static constexpr const char *objectPath = "/org/vantel/Vantel";
    static constexpr const char *interfaceName = "org.vantel.Vantel";

    explicit ToggleService(QObject *parent = nullptr);

    // Offers Toggle() at objectPath on `bus`; false when the path is taken or the bus is gone.
    bool exportOn(const QDBusConnection &bus);

    // Asks the program holding `busName` on `bus` to toggle. Empty on success, otherwise one
    // line for the user.
    static QString requestToggle(const QDBusConnection &bus, const QString &busName);
    // Asks the same program to show its settings window, with the same answers.
    static QString requestShowSettings(const QDBusConnection &bus, const QString &busName);

public Q_SLOTS:
    // Replies at once; the toggle itself runs as a click's does, and is dropped like one while
    // another toggle is running.
    void Toggle();
    // Opens the settings window, or brings it to the front when it is open.
    void ShowSettings();

Q_SIGNALS:
    void toggleRequested();
    void settingsRequested();
};
