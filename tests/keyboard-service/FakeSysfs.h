// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/DriverTable.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A sysfs tree of a test's own with the kernel's layout: devices under devices/, and the
// bus/*/devices/NAME entries as relative links into it.
class FakeSysfs {
public:
    // The tree goes below `parent`, or the usual temporary directory when it is empty.
    explicit FakeSysfs(const QString &parent = QString());

    QString root() const { return dir_.path(); }
    // Creates the switch that the driver's row describes, for one device, holding `value`, and
    // returns its path below the root as the service names it.
    QString addSwitch(const QString &driver, const QString &device, const QByteArray &value);
    // The switch for a driver's usual device (see deviceFor).
    QString addSwitch(const QString &driver, const QByteArray &value);
    // The contents, without the line feed; "<unreadable>" when it cannot be read.
    QByteArray value(const QString &relative) const;
    // A device name that the driver's glob matches.
    static QString deviceFor(const QString &driver);
    static const KeyboardDriver &row(const QString &driver);

private:
    QTemporaryDir dir_;
};
