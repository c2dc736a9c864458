// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/KeyboardMode.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A value a driver may hold besides the two it is switched between. Read and reported only.
struct ExtraReading {
    QByteArray value;
    KeyboardMode mode;
};

// What udev sees when a driver has become ready for a keyboard: a uevent's ACTION and SUBSYSTEM,
// and either the name of the driver (DRIVER) or that of the device or module (KERNEL), where '*'
// is udev's glob.
struct ReadyEvent {
    QString action;
    QString subsystem;
    QString driver;
    QString kernel;
};

// One kernel driver that exposes the fn mode as a sysfs attribute. The glob is relative to the
// sysfs root; '*' matches within one path component.
struct KeyboardDriver {
    QString driver;
    QString glob;
    QByteArray functionKeysValue;
    QByteArray hardwareKeysValue;
    QString description;
    QList<ExtraReading> extraReadings;
    // A file besides the switch that the driver notifies when the firmware changed the mode
    // (Fn+Esc handled by the keyboard itself); empty when only the switch may tell.
    QString noticeGlob;
    // Each one gives the keyboards the kept mode through the udev rule made from this table.
    QList<ReadyEvent> readyEvents;

    // The mode a value read from the attribute stands for.
    KeyboardMode modeOf(const QByteArray &value) const;
    // The one value written for a mode that may be asked for.
    QByteArray valueFor(KeyboardMode mode) const;
    // The same row with the meanings of its two values swapped, for a machine whose firmware
    // says the opposite of the table.
    KeyboardDriver inverted() const;
};

// Every driver Vantel can switch. A new driver is one more row.
const QList<KeyboardDriver> &keyboardDrivers();
