#include "platform/XcbKeyboard.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <cstdlib>

namespace {

// A grab only fires for exact modifiers, so the lock keys must be grabbed in every combination.
constexpr std::uint16_t lockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                          XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

struct KeyPosition {
    UInt32 keyCode;
    const char *name;          // the position's name in the keymap
    std::uint8_t evdevKeycode; // used when the server's keymap cannot be read
};

// The letter block of the ANSI layout.
constexpr KeyPosition keyPositions[] = {
    {0x00, "AC01", 38}, {0x01, "AC02", 39}, {0x02, "AC03", 40}, {0x03, "AC04", 41},
    {0x04, "AC06", 43}, {0x05, "AC05", 42}, {0x06, "AB01", 52}, {0x07, "AB02", 53},
    {0x08, "AB03", 54}, {0x09, "AB04", 55}, {0x0B, "AB05", 56}, {0x0C, "AD01", 24},
    {0x0D, "AD02", 25}, {0x0E, "AD03", 26}, {0x0F, "AD04", 27}, {0x10, "AD06", 29},
    {0x11, "AD05", 28}, {0x1F, "AD09", 32}, {0x20, "AD07", 30}, {0x22, "AD08", 31},
    {0x23, "AD10", 33}, {0x25, "AC09", 46}, {0x26, "AC07", 44}, {0x28, "AC08", 45},
    {0x2D, "AB06", 57}, {0x2E, "AB07", 58},
};

const KeyPosition *findPosition(UInt32 keyCode) {
    for (const KeyPosition &position : keyPositions) {
        if (position.keyCode == keyCode) {
            return &position;
        }
    }
    return nullptr;
}

// Asks the server for its keymap; XKB_KEYCODE_INVALID when it cannot be read or lacks the name.
xkb_keycode_t lookUpKeycode(xcb_connection_t *connection, const char *name) {
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr)) {
        return XKB_KEYCODE_INVALID;
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    xkb_context *context = device < 0 ? nullptr : xkb_context_new(XKB_CONTEXT_NO_DEFAULT_INCLUDES);
    if (context == nullptr) {
        return XKB_KEYCODE_INVALID;
    }
    xkb_keymap *keymap =
        xkb_x11_keymap_new_from_device(context, connection, device, XKB_KEYMAP_COMPILE_NO_FLAGS);
    const xkb_keycode_t keycode =
        keymap == nullptr ? XKB_KEYCODE_INVALID : xkb_keymap_key_by_name(keymap, name);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return keycode;
}

} // namespace

std::optional<std::uint8_t> xcbKeycodeForKeyPosition(xcb_connection_t *connection, UInt32 keyCode) {
    const KeyPosition *position = findPosition(keyCode);
    if (position == nullptr) {
        return std::nullopt;
    }
    const xkb_keycode_t keycode = lookUpKeycode(connection, position->name);
    // Core X keycodes are one byte; anything else cannot be grabbed with a core request.
    if (keycode == XKB_KEYCODE_INVALID || keycode < 8 || keycode > 255) {
        return position->evdevKeycode;
    }
    return static_cast<std::uint8_t>(keycode);
}

std::optional<std::uint16_t> xcbModifiersFor(UInt32 modifiers) {
    struct Mapping {
        UInt32 flag;
        std::uint16_t mask;
    };
    constexpr Mapping mappings[] = {{cmdKey, XCB_MOD_MASK_4},
                                    {shiftKey, XCB_MOD_MASK_SHIFT},
                                    {optionKey, XCB_MOD_MASK_1},
                                    {controlKey, XCB_MOD_MASK_CONTROL}};
    std::uint16_t mask = 0;
    for (const Mapping &mapping : mappings) {
        if ((modifiers & mapping.flag) != 0) {
            mask |= mapping.mask;
            modifiers &= ~mapping.flag;
        }
    }
    if (modifiers != 0) {
        return std::nullopt;
    }
    return mask;
}

// All variants on every screen, or none: a half-taken combination is released again.
bool grabKey(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
             std::uint8_t keycode, std::uint16_t modifiers) {
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint32_t root : roots) {
        for (std::uint16_t lock : lockVariants) {
            cookies.push_back(xcb_grab_key_checked(connection, 0, root, modifiers | lock, keycode,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        }
    }
    std::vector<bool> granted;
    for (xcb_void_cookie_t cookie : cookies) {
        xcb_generic_error_t *error = xcb_request_check(connection, cookie);
        granted.push_back(error == nullptr);
        std::free(error);
    }
    if (std::all_of(granted.begin(), granted.end(), [](bool ok) { return ok; })) {
        return true;
    }
    std::size_t index = 0;
    for (std::uint32_t root : roots) {
        for (std::uint16_t lock : lockVariants) {
            if (granted[index++]) {
                xcb_ungrab_key(connection, keycode, root, modifiers | lock);
            }
        }
    }
    xcb_flush(connection);
    return false;
}

void ungrabKey(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
               std::uint8_t keycode, std::uint16_t modifiers) {
    for (std::uint32_t root : roots) {
        for (std::uint16_t lock : lockVariants) {
            xcb_ungrab_key(connection, keycode, root, modifiers | lock);
        }
    }
    xcb_flush(connection);
}
