#pragma once

#include "platform/EventManager.h"

#include <cstdint>
#include <optional>
#include <vector>

struct xcb_connection_t;

// Key lookup and passive key grabs for global hot keys.

// The X keycode of the key at a key position (an ANSI virtual key code), looked up in the
// server's current keymap by the position's name so that the layout does not matter. Empty for
// a key code it does not know.
std::optional<std::uint8_t> xcbKeycodeForKeyPosition(xcb_connection_t *connection, UInt32 keyCode);

// The X modifier mask for event-manager modifier flags (Command is Super, Option is Alt), or
// empty when a flag has no X counterpart.
std::optional<std::uint16_t> xcbModifiersFor(UInt32 modifiers);

// Grabs `keycode` with `modifiers` on every root window, also with CapsLock and
// NumLock held. All or nothing: when any part is refused (another client holds it), the parts
// that were granted are released again and false is returned.
bool grabKey(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
             std::uint8_t keycode, std::uint16_t modifiers);

// Releases what grabKey took.
void ungrabKey(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
               std::uint8_t keycode, std::uint16_t modifiers);
