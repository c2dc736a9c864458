// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeyboardBusTypes.h"

#include <QDBusMetaType>

QDBusArgument &operator<<(QDBusArgument &argument, const KeyboardEntry &entry) {
    argument.beginStructure();
    argument << entry.id << entry.name << entry.driver << entry.mode;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, KeyboardEntry &entry) {
    argument.beginStructure();
    argument >> entry.id >> entry.name >> entry.driver >> entry.mode;
    argument.endStructure();
    return argument;
}

void registerKeyboardBusTypes() {
    qDBusRegisterMetaType<KeyboardEntry>();
    qDBusRegisterMetaType<KeyboardEntries>();
}
