// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QDBusConnection;

// Tells the desktop portal which application this connection belongs to. A program that is not
// sandboxed is otherwise known to the portal only by a systemd scope's name, if it has one, and
// some desktops bind global shortcuts only for a known application. The portal takes this only
// as the connection's first call to it, so it goes out before any other, without waiting for the
// answer: the bus keeps one connection's messages in order. A portal without the registry (older
// than 1.19) is no error.
void registerWithPortal(const QDBusConnection &bus, const QString &applicationId);
