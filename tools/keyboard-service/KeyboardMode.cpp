// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeyboardMode.h"

QString modeName(KeyboardMode mode) {
    switch (mode) {
    case KeyboardMode::functionKeys:
        return QStringLiteral("function-keys");
    case KeyboardMode::hardwareKeys:
        return QStringLiteral("hardware-keys");
    case KeyboardMode::automatic:
        return QStringLiteral("auto");
    case KeyboardMode::functionKeysOnly:
        return QStringLiteral("function-keys-only");
    case KeyboardMode::other:
        return QStringLiteral("other");
    case KeyboardMode::unknown:
        break;
    }
    return QStringLiteral("unknown");
}

std::optional<KeyboardMode> requestedMode(const QString &name) {
    if (name == modeName(KeyboardMode::functionKeys))
        return KeyboardMode::functionKeys;
    if (name == modeName(KeyboardMode::hardwareKeys))
        return KeyboardMode::hardwareKeys;
    return std::nullopt;
}
