// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <Qt>

#include <cstdint>
#include <optional>

struct xcb_connection_t;

// The modifier bits that the keys a shortcut needs set in the server's key state, as its modifier
// mapping has them now. Users move these keys among Mod1 to Mod5 (Num Lock to Mod3 is a common
// one), so no bit is assumed. A key on none of them has the mask 0.
struct X11ModifierMasks {
    std::uint16_t alt = 0;
    std::uint16_t super = 0;
    std::uint16_t numLock = 0;

    bool operator==(const X11ModifierMasks &) const = default;

    // The X modifier mask for Qt modifiers (Meta is Super), or nothing when one of them is on no
    // modifier at the moment or has no X counterpart at all.
    std::optional<std::uint16_t> maskFor(Qt::KeyboardModifiers modifiers) const;
    // The bits that tell one combination from another: all but the lock keys'.
    std::uint16_t significant() const;
};

// Reads the mapping from the server; nothing when it does not answer.
std::optional<X11ModifierMasks> x11ModifierMasks(xcb_connection_t *connection);
