// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shortcuts/GlobalShortcutBackend.h"

#include <QString>

#include <memory>

class QDBusConnection;

// Which way of getting a global shortcut the session offers.
enum class ShortcutBackendKind { X11, Portal, None };

// X11 grabs the key itself; a Wayland compositor lets only its portal hand out shortcuts, also to
// a program on XWayland, whose grab would work only while an XWayland window has the focus.
// `qtPlatform` is the platform Qt runs on ("xcb", "wayland", …).
ShortcutBackendKind chooseShortcutBackend(const QString &qtPlatform, bool waylandSession,
                                          bool portalOnBus);

// The way of getting global shortcuts that the running session offers, or one that refuses
// every grab when it offers none. Call it once, after the QGuiApplication exists; `bus` is the
// session bus, where a desktop portal would be.
std::unique_ptr<GlobalShortcutBackend> createShortcutBackend(const QDBusConnection &bus);
