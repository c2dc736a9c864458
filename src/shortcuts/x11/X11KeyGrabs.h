#pragma once

#include <Qt>

#include <cstdint>
#include <optional>
#include <vector>

struct xcb_connection_t;

// Passive key grabs on the root windows, in the ways that make a shortcut work for the user.

// The X modifier mask for Qt modifiers (Meta is Super, Alt is Mod1), or nothing when one of them
// has no fixed X counterpart.
std::optional<std::uint16_t> x11ModifiersFor(Qt::KeyboardModifiers modifiers);

// Grabs `keycode` with `modifiers` on every root window, also with CapsLock, NumLock and both
// held, since a grab only fires for its exact modifiers. All or nothing: when any part is refused
// (another client holds it), the parts that were granted are released again and false returned.
// Every request is checked, so no error of ours reaches the event stream.
bool grabKeyOnRoots(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
                    std::uint8_t keycode, std::uint16_t modifiers);

// Releases what grabKeyOnRoots took.
void ungrabKeyOnRoots(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
                      std::uint8_t keycode, std::uint16_t modifiers);
