// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

struct xcb_connection_t;

// Qt's own connection to the X server, or null where Qt runs on none (Wayland, offscreen).
// Shared with Qt: every window and event of the program goes through it, and it is never closed
// here.
xcb_connection_t *qtX11Connection();
// The root window of each of the server's screens, in the server's order.
std::vector<std::uint32_t> x11RootWindows(xcb_connection_t *connection);
