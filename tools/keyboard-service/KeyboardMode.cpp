#include "keyboard-service/KeyboardMode.h"

QString modeName(KeyboardMode mode) {
    switch (mode) {
    case KeyboardMode::functionKeys:
        return QStringLiteral("function-keys");
    case KeyboardMode::hardwareKeys:
        return QStringLiteral("hardware-keys");
    case KeyboardMode::automatic:
        return QStringLiteral("auto");
    case KeyboardMode::fnDisabled:
        return QStringLiteral("fn-disabled");
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
