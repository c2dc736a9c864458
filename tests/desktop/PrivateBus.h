// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A session bus of the test's own that can start no services, stopped with the object.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();

    bool isRunning() const { return !address_.isEmpty(); }
    // For helper processes: their DBUS_SESSION_BUS_ADDRESS.
    QString address() const { return address_; }
    // A new connection to the bus, under a name unique in the process.
    QDBusConnection connect(const QString &name);

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
    QStringList connections_;
};
