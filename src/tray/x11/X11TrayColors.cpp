// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/x11/X11TrayColors.h"

#include "logging/LoggingCategories.h"
#include "x11/X11Connection.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_connection_t *xcb(void *connection) {
    return static_cast<xcb_connection_t *>(connection);
}

quint32 internAtom(xcb_connection_t *connection, const QByteArray &name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, quint16(name.size()), name.constData()),
        nullptr));
    return reply ? reply->atom : quint32(XCB_ATOM_NONE);
}

// The tray's selection on the screen Qt connected to (the display's default one: its tray is the
// one the icon lands in), and that screen's root window.
quint32 traySelection(xcb_connection_t *connection, quint32 *root) {
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
    const QByteArray display = qgetenv("DISPLAY");
    const int dot = display.lastIndexOf('.');
    const int number = dot > display.lastIndexOf(':') ? display.mid(dot + 1).toInt() : 0;
    for (int i = 0; i < number && screen.rem > 1; ++i)
        xcb_screen_next(&screen);
    *root = screen.data->root;
    return internAtom(connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(number));
}

quint32 selectionOwner(xcb_connection_t *connection, quint32 selection) {
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr));
    return owner ? owner->owner : quint32(XCB_WINDOW_NONE);
}

} // namespace

bool xembedTrayRunning() {
    xcb_connection_t *c = xcb(qtX11Connection());
    if (!c)
        return false;
    quint32 root = 0;
    return selectionOwner(c, traySelection(c, &root)) != XCB_WINDOW_NONE;
}

std::optional<QColor> trayForeground(const QList<quint32> &values) {
    if (values.size() < 3)
        return std::nullopt;
    // Eight bits per channel are all a pixel holds; the high byte of each 16-bit value.
    const auto channel = [](quint32 value) { return int(std::min<quint32>(value, 0xffff) >> 8); };
    return QColor(channel(values[0]), channel(values[1]), channel(values[2]));
}

X11TrayColors::X11TrayColors(QObject *parent) : QObject(parent) {
    connection_ = qtX11Connection();
    if (!connection_)
        return;
    xcb_connection_t *c = xcb(connection_);
    selection_ = traySelection(c, &root_);
    colorsAtom_ = internAtom(c, "_NET_SYSTEM_TRAY_COLORS");
    managerAtom_ = internAtom(c, "MANAGER");
    // A new tray announces itself with a MANAGER message to the root window.
    addEventMask(root_, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    qGuiApp->installNativeEventFilter(this);
    findManager();
}

X11TrayColors::~X11TrayColors() {
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

void X11TrayColors::addEventMask(quint32 window, quint32 mask) {
    xcb_connection_t *c = xcb(connection_);
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    if (!attributes)
        return; // the window is already gone
    const quint32 values[] = {attributes->your_event_mask | mask};
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, values);
    xcb_flush(c);
}

void X11TrayColors::findManager() {
    manager_ = selectionOwner(xcb(connection_), selection_);
    if (manager_ != XCB_WINDOW_NONE)
        addEventMask(manager_, XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    readColors();
}

void X11TrayColors::readColors() {
    std::optional<QColor> colour;
    if (manager_ != XCB_WINDOW_NONE) {
        xcb_connection_t *c = xcb(connection_);
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            c, xcb_get_property(c, 0, manager_, colorsAtom_, XCB_ATOM_CARDINAL, 0, 12), nullptr));
        if (reply && reply->format == 32) {
            const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
            const int count = xcb_get_property_value_length(reply.get()) / 4;
            colour = trayForeground(QList<quint32>(data, data + count));
        }
    }
    if (colour == foreground_)
        return;
    foreground_ = colour;
    qCInfo(lcTray) << "tray foreground colour"
                   << (colour ? colour->name() : QStringLiteral("unknown"));
    emit changed();
}

bool X11TrayColors::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & 0x7f) {
    case XCB_CLIENT_MESSAGE: {
        const auto *client = static_cast<const xcb_client_message_event_t *>(message);
        if (client->window == root_ && client->type == managerAtom_ &&
            client->data.data32[1] == selection_)
            findManager();
        break;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto *property = static_cast<const xcb_property_notify_event_t *>(message);
        if (property->window == manager_ && property->atom == colorsAtom_)
            readColors();
        break;
    }
    case XCB_DESTROY_NOTIFY:
        if (static_cast<const xcb_destroy_notify_event_t *>(message)->window == manager_)
            findManager();
        break;
    default:
        break;
    }
    // Qt's own tray code needs to see the same events.
    return false;
}
