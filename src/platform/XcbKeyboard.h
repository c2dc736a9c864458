#pragma once

#include "EventManager.h"

#include <cstdint>
#include <optional>

struct xcb_connection_t;

// The X keycode of the key at a key position (an ANSI virtual key code), looked up in the
// server's current keymap by the position's name so that the layout does not matter. Empty for
// a key code it does not know.
std::optional<std::uint8_t> xcbKeycodeForKeyPosition(xcb_connection_t *connection, UInt32 keyCode);

// The X modifier mask for event-manager modifier flags (Command is Super, Option is Alt), or
// empty when a flag has no X counterpart.
std::optional<std::uint16_t> xcbModifiersFor(UInt32 modifiers);
