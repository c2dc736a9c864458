// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

struct xcb_connection_t;

// The atoms the focus watch reads, interned once per connection; XCB_ATOM_NONE (0) where the
// server could not intern one.
struct X11FocusAtoms {
    std::uint32_t activeWindow = 0;
    std::uint32_t supported = 0;
    std::uint32_t gtkApplicationId = 0;
    std::uint32_t utf8String = 0;
    std::uint32_t windowType = 0;
    std::uint32_t dockType = 0;
    std::uint32_t desktopType = 0;
    std::uint32_t pid = 0;

    static X11FocusAtoms intern(xcb_connection_t *connection);
    bool complete() const;
};

// What a window that came to the front says about its application.
struct X11WindowIdentity {
    // Ignored: a panel's window, one of ours, or one already gone; none of them changes which
    // application is in front.
    enum class Kind { Application, Ignored };
    Kind kind = Kind::Ignored;
    QString application; // empty when no window up to the root names one
};

// The application `window` belongs to: its _GTK_APPLICATION_ID where set, else the class part of
// its WM_CLASS; a window without either asks its parent, up to the root. `ownPid` is the process
// whose windows never count.
X11WindowIdentity identifyWindow(xcb_connection_t *connection, const X11FocusAtoms &atoms,
                                 std::uint32_t window, std::uint32_t ownPid);

// The window a root's _NET_ACTIVE_WINDOW names, 0 when none.
std::uint32_t activeWindowOf(xcb_connection_t *connection, const X11FocusAtoms &atoms,
                             std::uint32_t root);

// Whether the window manager lists _NET_ACTIVE_WINDOW in the root's _NET_SUPPORTED.
bool tellsActiveWindow(xcb_connection_t *connection, const X11FocusAtoms &atoms,
                       std::uint32_t root);
