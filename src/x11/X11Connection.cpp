// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "x11/X11Connection.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

xcb_connection_t *qtX11Connection() {
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

std::vector<std::uint32_t> x11RootWindows(xcb_connection_t *connection) {
    std::vector<std::uint32_t> roots;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem != 0;
         xcb_screen_next(&it))
        roots.push_back(it.data->root);
    return roots;
}
