// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <Qt>

#include <cstdint>
#include <optional>

struct xcb_connection_t;

// The X keycode of the key that types `key` without modifiers on a US keyboard, found in the
// server's current keymap by the key's position name (AC04 for F), so that the same physical
// key is meant whatever layout is active. Covers the keys of the base level (letters, digits,
// punctuation) and the function keys; fills `error` and returns nothing for any other key.
std::optional<std::uint8_t> x11KeycodeForKey(xcb_connection_t *connection, Qt::Key key,
                                             QString *error);
