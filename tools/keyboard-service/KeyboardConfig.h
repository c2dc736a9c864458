// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/DriverTable.h"
#include "keyboard-service/KeyboardMode.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// What an administrator says about this machine: drivers whose two values mean the opposite
// here (a firmware setting flips them), and the mode given to keyboards while nobody has chosen
// one. An INI file:
//
//     [Invert]
//     ideapad_laptop=true
//     [Default]
//     Mode=function-keys
class KeyboardConfig {
public:
    static constexpr const char *defaultPath = "/etc/vantel/keyboard.conf";

    // A missing file is an empty configuration; lines that are not understood are logged and
    // left out, never guessed at, and never undo an earlier line. A file that is there but
    // cannot be read whole makes the configuration unusable().
    static KeyboardConfig read(const QString &path);

    // The driver table with the inverted rows' values swapped.
    QList<KeyboardDriver> drivers() const;
    std::optional<KeyboardMode> defaultMode() const { return defaultMode_; }
    QStringList problems() const { return problems_; }
    // Why no switch may be written: any driver may be inverted in a file that was not read, so
    // no value is known to mean what the table says. Nothing when the file was read or is absent.
    std::optional<QString> unusable() const { return unusable_; }
    // The line that last set a driver's inversion to true, if one does.
    std::optional<int> invertedAt(const QString &driver) const;

private:
    void parse(const QByteArray &text);
    void take(const QString &section, const QString &key, const QString &value, int line);

    QHash<QString, int> inverted_; // driver -> the line that inverts it
    std::optional<KeyboardMode> defaultMode_;
    QStringList problems_;
    std::optional<QString> unusable_;
};
