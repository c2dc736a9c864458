// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/x11/X11KeymapNotices.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>

namespace {

// The keyboard extension's event kinds, in the byte after the type; its C header does not compile
// as C++.
constexpr std::uint8_t xkbNewKeyboardNotify = 0;
constexpr std::uint8_t xkbMapNotify = 1;

} // namespace

X11KeymapNotices::X11KeymapNotices(xcb_connection_t *connection) {
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &xkbEventBase_, nullptr)) {
        xkbEventBase_ = 0;
    }
}

bool X11KeymapNotices::announcesChange(const void *message) const {
    const auto &event = *static_cast<const xcb_generic_event_t *>(message);
    const std::uint8_t type = event.response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        const auto &notice = reinterpret_cast<const xcb_mapping_notify_event_t &>(event);
        return notice.request != XCB_MAPPING_POINTER;
    }
    if (xkbEventBase_ == 0 || type != xkbEventBase_) {
        return false;
    }
    return event.pad0 == xkbNewKeyboardNotify || event.pad0 == xkbMapNotify;
}
