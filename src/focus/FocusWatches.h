// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "focus/FocusWatch.h"

#include <QString>

#include <memory>

class QDBusConnection;

// Which way of knowing the application in front the session offers.
enum class FocusWatchKind { X11, KWin, Wlroots, Gnome, None };

// What the choice looks at, gathered once at start-up.
struct FocusSession {
    QString qtPlatform;     // the platform Qt runs on ("xcb", "wayland", …)
    QString currentDesktop; // XDG_CURRENT_DESKTOP as given, colon-separated
    bool waylandSession = false;
};

// An X11 session is followed through the root window whatever the desktop; a Wayland one only
// through what its compositor offers.
FocusWatchKind chooseFocusWatch(const FocusSession &session);

// The way of knowing the application in front that the running session offers, or one that
// knows nothing and says why. Call it once, after the QGuiApplication exists; `bus` is the
// session bus, where the program's own name is held.
std::unique_ptr<FocusWatch> createFocusWatch(const QDBusConnection &bus);
