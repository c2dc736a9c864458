#include "shortcuts/x11/X11KeyGrabs.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::uint16_t lockVariants[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                          XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

} // namespace

std::optional<std::uint16_t> x11ModifiersFor(Qt::KeyboardModifiers modifiers) {
    struct Mapping {
        Qt::KeyboardModifier qt;
        std::uint16_t x;
    };
    constexpr Mapping mappings[] = {{Qt::MetaModifier, XCB_MOD_MASK_4},
                                    {Qt::AltModifier, XCB_MOD_MASK_1},
                                    {Qt::ControlModifier, XCB_MOD_MASK_CONTROL},
                                    {Qt::ShiftModifier, XCB_MOD_MASK_SHIFT}};
    std::uint16_t mask = 0;
    for (const Mapping &mapping : mappings) {
        if (modifiers.testFlag(mapping.qt)) {
            mask |= mapping.x;
            modifiers &= ~mapping.qt;
        }
    }
    if (modifiers != Qt::NoModifier) {
        return std::nullopt;
    }
    return mask;
}

bool grabKeyOnRoots(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
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

void ungrabKeyOnRoots(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
                      std::uint8_t keycode, std::uint16_t modifiers) {
    for (std::uint32_t root : roots) {
        for (std::uint16_t lock : lockVariants) {
            xcb_ungrab_key(connection, keycode, root, modifiers | lock);
        }
    }
    xcb_flush(connection);
}
