// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/x11/X11PointerWindow.h"

#include "x11/X11Connection.h"

#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

// The child of a root window that holds the pointer, on whichever screen the pointer is.
xcb_window_t windowUnderPointer(xcb_connection_t *connection) {
    for (xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
         screen.rem > 0; xcb_screen_next(&screen)) {
        const Reply<xcb_query_pointer_reply_t> reply(xcb_query_pointer_reply(
            connection, xcb_query_pointer(connection, screen.data->root), nullptr));
        if (reply && reply->same_screen)
            return reply->child;
    }
    return XCB_WINDOW_NONE;
}

} // namespace

std::optional<QRect> topLevelWindowUnderPointer() {
    xcb_connection_t *connection = qtX11Connection();
    if (!connection)
        return std::nullopt;
    const xcb_window_t window = windowUnderPointer(connection);
    if (window == XCB_WINDOW_NONE)
        return std::nullopt;
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry)
        return std::nullopt;
    // A child of the root has its place in root coordinates. X counts device pixels; with one
    // scale for the whole desktop, Qt's coordinates are those divided by it.
    const QScreen *primary = QGuiApplication::primaryScreen();
    const qreal scale = primary ? primary->devicePixelRatio() : 1.0;
    const int border = geometry->border_width;
    return QRectF(QPointF(geometry->x + border, geometry->y + border) / scale,
                  QSizeF(geometry->width, geometry->height) / scale)
        .toAlignedRect();
}
