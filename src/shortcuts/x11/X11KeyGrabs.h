// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

struct xcb_connection_t;

// Passive key grabs on the root windows, in the ways that make a shortcut work for the user.

// A key with modifier bits, and the bit Num Lock had when it was grabbed: the release must name
// the same variants even after Num Lock moved to another modifier.
struct X11KeyGrab {
    std::uint8_t keycode = 0;
    std::uint16_t modifiers = 0;
    std::uint16_t numLock = 0;

    bool operator==(const X11KeyGrab &) const = default;
};

// Grabs the key with its modifiers on every root window, also with CapsLock, NumLock and both
// held, since a grab only fires for its exact modifiers. All or nothing: when any part is refused
// (another client holds it), the parts that were granted are released again and false returned.
// Every request is checked, so no error of ours reaches the event stream.
bool grabKeyOnRoots(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
                    const X11KeyGrab &grab);

// Releases what grabKeyOnRoots took.
void ungrabKeyOnRoots(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
                      const X11KeyGrab &grab);
