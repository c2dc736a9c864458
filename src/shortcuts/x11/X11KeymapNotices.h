// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

struct xcb_connection_t;

// Picks the events that announce a new keyboard or modifier mapping out of a connection's stream.
// Clients that use the keyboard extension, as Qt does on its connection, get no core notice of a
// new keyboard (setxkbmap), only the extension's own, so both kinds count.
class X11KeymapNotices {
public:
    explicit X11KeymapNotices(xcb_connection_t *connection);

    // `event` is an xcb_generic_event_t of that connection.
    bool announcesChange(const void *event) const;

private:
    // Where the keyboard extension's events start; 0 without the extension.
    std::uint8_t xkbEventBase_ = 0;
};
