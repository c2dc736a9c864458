// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusError>
#include <QDBusMessage>
#include <QMetaType>

// Qt 6.4's bus thread looks these types up while the main thread may still be registering them;
// a lookup that loses the race prints "Trying to construct an instance of an invalid type" on
// standard error. Registered before the first bus connection, there is no race.
inline void registerBusTypes() {
    qRegisterMetaType<QDBusMessage>();
    qRegisterMetaType<QDBusError>();
}
