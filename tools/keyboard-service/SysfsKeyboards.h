// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/DriverTable.h"
#include "keyboard-service/KeyboardMode.h"
#include "keyboard-service/SysfsTree.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <sys/types.h>

// Whether an input device's key bitmap (capabilities/key under sysfs) holds a key code.
bool keyBitmapHas(const QByteArray &bitmap, int key);

// One switch found under the sysfs root.
struct Keyboard {
    QString id; // the attribute's path below the sysfs root: unique and says what is written
    QString name;
    QString driver;
    KeyboardMode mode = KeyboardMode::unknown;

    bool operator==(const Keyboard &) const = default;
};

// What writing a mode to every switch did.
struct WriteReport {
    int found = 0;
    int switched = 0;
    QStringList failures; // one line per attribute that could not be written, naming it
};

// Finds the keyboards the driver table lists under a sysfs root, reads their modes and writes
// only the table's values to them.
class SysfsKeyboards {
public:
    explicit SysfsKeyboards(const QString &root, QList<KeyboardDriver> drivers = keyboardDrivers());

    QList<Keyboard> scan() const;
    // Every switch is tried, also after one has failed.
    WriteReport write(KeyboardMode mode) const;

    // The files whose kernel notice may tell of a change made on the keyboard itself: every
    // switch, and the files the table names beside them.
    QStringList noticeFiles() const;
    // The input devices (names such as event3) of keyboards that send Fn+Esc.
    QStringList fnEscDevices() const;
    // The number the kernel gave an input device (class/input/NAME/dev), to tell it from
    // whatever else may sit under its name in /dev.
    std::optional<dev_t> deviceNumber(const QString &name) const;
    QString absolute(const QString &relative) const { return tree_.absolute(relative); }

    // Walking the tree is most of what a call costs, and within one call it keeps its shape:
    // while a hold lives, the switches found first are found again without a walk (their
    // values are still read afresh).
    class Hold {
    public:
        explicit Hold(const SysfsKeyboards &keyboards);
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        const SysfsKeyboards &keyboards_;
    };
    int openToWatch(const QString &relative) const { return tree_.openToWatch(relative); }

private:
    struct Switch {
        const KeyboardDriver *driver;
        QString attribute;
    };
    QList<Switch> switches() const;
    QString nameOf(const Switch &found) const;

    SysfsTree tree_;
    QList<KeyboardDriver> drivers_;
    mutable bool held_ = false;
    mutable std::optional<QList<Switch>> heldSwitches_;
};
