// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What arrived when the user pressed a key of the top row.
enum class ArrivedKey { functionKey, hardwareKey };

// Reads key presses from input devices until one of the top row arrives: F1-F12, or a key
// the row sends in its other mode (brightness, volume, media and the like).
class KeyCheck {
public:
    // Every event device of a keyboard with F1 under the input directory, as the kernel lists them
    // under the sysfs root.
    static QStringList keyboardDevices(const QString &sysfsRoot, const QString &inputDirectory);

    // Opens every device that can be read; `why` says what went wrong with the last one that
    // could not. An empty list means nothing could be read, which the caller can tell at once.
    static QList<int> openDevices(const QStringList &devices, QString &why);

    // Reads the opened devices (and closes them) until a key of the top row arrives. Nothing
    // when none came before `timeoutMs`; then `why` says so.
    static std::optional<ArrivedKey> waitForTopRow(QList<int> opened, int timeoutMs, QString &why);
    // Whether a key code is one of the top row's, and which kind.
    static std::optional<ArrivedKey> classify(int code);
};
