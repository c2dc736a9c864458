// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/x11/X11KeyGrabs.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Without a Num Lock key, or with it on a modifier the combination holds anyway, fewer variants
// remain; each is grabbed once, since grabbing one twice would merge it.
std::vector<std::uint16_t> lockVariants(const X11KeyGrab &grab) {
    std::vector<std::uint16_t> variants;
    for (std::uint16_t lock : {std::uint16_t{0}, std::uint16_t{XCB_MOD_MASK_LOCK}, grab.numLock,
                               std::uint16_t(XCB_MOD_MASK_LOCK | grab.numLock)}) {
        const auto modifiers = static_cast<std::uint16_t>(grab.modifiers | lock);
        if (std::find(variants.begin(), variants.end(), modifiers) == variants.end()) {
            variants.push_back(modifiers);
        }
    }
    return variants;
}

} // namespace

bool grabKeyOnRoots(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
                    const X11KeyGrab &grab) {
    const std::vector<std::uint16_t> variants = lockVariants(grab);
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint32_t root : roots) {
        for (std::uint16_t modifiers : variants) {
            cookies.push_back(xcb_grab_key_checked(connection, 0, root, modifiers, grab.keycode,
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
        for (std::uint16_t modifiers : variants) {
            if (granted[index++]) {
                xcb_ungrab_key(connection, grab.keycode, root, modifiers);
            }
        }
    }
    xcb_flush(connection);
    return false;
}

void ungrabKeyOnRoots(xcb_connection_t *connection, const std::vector<std::uint32_t> &roots,
                      const X11KeyGrab &grab) {
    for (std::uint32_t root : roots) {
        for (std::uint16_t modifiers : lockVariants(grab)) {
            xcb_ungrab_key(connection, grab.keycode, root, modifiers);
        }
    }
    xcb_flush(connection);
}
