// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/x11/X11ModifierMasks.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <memory>

namespace {

template <typename T> struct FreeReply {
    void operator()(T *reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply<T>>;

// Mod1 to Mod5; Shift, Lock and Control keep their keys.
constexpr int firstFreeModifier = 3;
constexpr int modifierCount = 8;

bool isAlt(xcb_keysym_t sym) {
    return sym == XKB_KEY_Alt_L || sym == XKB_KEY_Alt_R;
}
bool isSuper(xcb_keysym_t sym) {
    return sym == XKB_KEY_Super_L || sym == XKB_KEY_Super_R;
}
bool isNumLock(xcb_keysym_t sym) {
    return sym == XKB_KEY_Num_Lock;
}

// A key on several modifiers sets them all when pressed, but a grab must name exactly one set:
// the lowest is taken, as Xlib does for Num Lock.
void take(std::uint16_t *mask, std::uint16_t bit) {
    if (*mask == 0) {
        *mask = bit;
    }
}

} // namespace

std::optional<std::uint16_t> X11ModifierMasks::maskFor(Qt::KeyboardModifiers modifiers) const {
    const std::pair<Qt::KeyboardModifier, std::uint16_t> mappings[] = {
        {Qt::MetaModifier, super},
        {Qt::AltModifier, alt},
        {Qt::ControlModifier, XCB_MOD_MASK_CONTROL},
        {Qt::ShiftModifier, XCB_MOD_MASK_SHIFT}};
    std::uint16_t mask = 0;
    for (const auto &[qt, x] : mappings) {
        if (modifiers.testFlag(qt)) {
            if (x == 0) {
                return std::nullopt;
            }
            mask |= x;
            modifiers &= ~qt;
        }
    }
    if (modifiers != Qt::NoModifier) {
        return std::nullopt;
    }
    return mask;
}

std::uint16_t X11ModifierMasks::significant() const {
    constexpr std::uint16_t all = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 |
                                  XCB_MOD_MASK_2 | XCB_MOD_MASK_3 | XCB_MOD_MASK_4 | XCB_MOD_MASK_5;
    return all & ~numLock;
}

std::optional<X11ModifierMasks> x11ModifierMasks(xcb_connection_t *connection) {
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const auto modifierCookie = xcb_get_modifier_mapping(connection);
    const auto keyboardCookie = xcb_get_keyboard_mapping(
        connection, setup->min_keycode,
        static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1));
    const Reply<xcb_get_modifier_mapping_reply_t> modifiers(
        xcb_get_modifier_mapping_reply(connection, modifierCookie, nullptr));
    const Reply<xcb_get_keyboard_mapping_reply_t> keyboard(
        xcb_get_keyboard_mapping_reply(connection, keyboardCookie, nullptr));
    if (!modifiers || !keyboard) {
        return std::nullopt;
    }
    const int perModifier = modifiers->keycodes_per_modifier;
    const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(modifiers.get());
    const int perKeycode = keyboard->keysyms_per_keycode;
    const xcb_keysym_t *keysyms = xcb_get_keyboard_mapping_keysyms(keyboard.get());
    const int keysymCount = xcb_get_keyboard_mapping_keysyms_length(keyboard.get());

    X11ModifierMasks masks;
    for (int modifier = firstFreeModifier; modifier < modifierCount; ++modifier) {
        const auto bit = static_cast<std::uint16_t>(1U << modifier);
        for (int slot = 0; slot < perModifier; ++slot) {
            const xcb_keycode_t keycode = keycodes[modifier * perModifier + slot];
            // Unused slots hold 0, which is below every real keycode.
            if (keycode < setup->min_keycode) {
                continue;
            }
            const int first = (keycode - setup->min_keycode) * perKeycode;
            for (int column = 0; column < perKeycode && first + column < keysymCount; ++column) {
                const xcb_keysym_t sym = keysyms[first + column];
                if (isAlt(sym)) {
                    take(&masks.alt, bit);
                } else if (isSuper(sym)) {
                    take(&masks.super, bit);
                } else if (isNumLock(sym)) {
                    take(&masks.numLock, bit);
                }
            }
        }
    }
    return masks;
}
