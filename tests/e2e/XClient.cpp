// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Another X client, for the end-to-end tests:
//
//   e2e_xclient grab           grab Super+Alt+F, also with CapsLock and NumLock held
//   e2e_xclient grab --plain   grab Super+Alt+F with no lock modifier only
//   e2e_xclient close WINDOW   ask a window to close, as a window manager's close button does
//   e2e_xclient capture WINDOW write the window's pixels, as the X server holds them, to stdout
//   e2e_xclient owner SELECTION print the window that owns the selection, or "none"
//   e2e_xclient window CLASS [APPID]  show a window of that WM_CLASS class (and
//                              _GTK_APPLICATION_ID), print its id, keep it until killed
//   e2e_xclient activate       for every window id read from stdin, ask the window manager to
//                              activate it, as a pager does; for the benchmarks' timing
//
// grab prints "keycode N", then "grabbed" or "busy" (and exits 1), then "pressed" for every
// press; the grab ends with the process. It holds the combination before the program starts,
// and checks that the program let go of it when it quit.

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// The key in the F position, whatever the layout says it types.
xkb_keycode_t keyInFPosition(xcb_connection_t *connection) {
    if (!xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return XKB_KEYCODE_INVALID;
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref);
    const int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_x11_keymap_new_from_device(context.get(), connection, device,
                                       XKB_KEYMAP_COMPILE_NO_FLAGS),
        xkb_keymap_unref);
    return keymap ? xkb_keymap_key_by_name(keymap.get(), "AC04") : XKB_KEYCODE_INVALID;
}

bool grab(xcb_connection_t *connection, xcb_window_t root, xcb_keycode_t key, bool plainOnly) {
    const uint16_t base = XCB_MOD_MASK_4 | XCB_MOD_MASK_1;
    std::vector<uint16_t> variants{base};
    if (!plainOnly)
        variants.insert(variants.end(),
                        {uint16_t(base | XCB_MOD_MASK_LOCK), uint16_t(base | XCB_MOD_MASK_2),
                         uint16_t(base | XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2)});
    bool all = true;
    for (uint16_t modifiers : variants) {
        xcb_void_cookie_t cookie = xcb_grab_key_checked(connection, 1, root, modifiers, key,
                                                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t *error = xcb_request_check(connection, cookie)) {
            all = false;
            std::free(error);
        }
    }
    return all;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name) {
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

int closeWindow(xcb_connection_t *connection, xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_void_cookie_t cookie = xcb_send_event_checked(
        connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
    xcb_generic_error_t *error = xcb_request_check(connection, cookie);
    std::free(error);
    return error ? 1 : 0;
}

int capture(xcb_connection_t *connection, xcb_window_t window) {
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry)
        return 1;
    xcb_get_image_reply_t *image =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0u),
                            nullptr);
    std::free(geometry);
    if (!image)
        return 1;
    std::fwrite(xcb_get_image_data(image), 1, xcb_get_image_data_length(image), stdout);
    std::free(image);
    return 0;
}

// A tray host is ready for icons only once it owns its selection, which comes after its panel.
int printOwner(xcb_connection_t *connection, const char *selection) {
    xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom(connection, selection)), nullptr);
    if (!reply)
        return 1;
    if (reply->owner == XCB_NONE)
        std::printf("none\n");
    else
        std::printf("0x%x\n", reply->owner);
    std::free(reply);
    return 0;
}

int grabAndWatch(xcb_connection_t *connection, bool plainOnly) {
    const xcb_keycode_t key = static_cast<xcb_keycode_t>(keyInFPosition(connection));
    std::printf("keycode %d\n", key);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (!grab(connection, root, key, plainOnly)) {
        std::printf("busy\n");
        return 1;
    }
    std::printf("grabbed\n");
    std::fflush(stdout);
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
            std::printf("pressed\n");
            std::fflush(stdout);
        }
        std::free(event);
    }
    return 0;
}

// Prints the window that owns the tray selection of the first screen, 0 when no tray runs.
int trayOwner(xcb_connection_t *connection) {
    const char name[] = "_NET_SYSTEM_TRAY_S0";
    auto *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (!atom)
        return 1;
    auto *owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    std::printf("%u\n", owner ? owner->owner : 0u);
    std::free(owner);
    std::free(atom);
    return 0;
}

// An application's window as a toolkit makes it: the class and id set before it is mapped,
// with a title and a size a window manager frames and focuses.
int showWindow(xcb_connection_t *connection, const std::string &windowClass, const char *appId) {
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    const uint32_t values[] = {screen->white_pixel};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 100, 100, 300, 200, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                      values);
    std::string wmClass = "instance";
    wmClass += '\0' + windowClass + '\0';
    const auto set = [&](xcb_atom_t property, xcb_atom_t type, const std::string &value) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                            static_cast<uint32_t>(value.size()), value.data());
    };
    set(XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, wmClass);
    set(XCB_ATOM_WM_NAME, XCB_ATOM_STRING, windowClass);
    if (appId)
        set(atom(connection, "_GTK_APPLICATION_ID"), atom(connection, "UTF8_STRING"), appId);
    xcb_map_window(connection, window);
    xcb_flush(connection);
    std::printf("0x%x\n", window);
    std::fflush(stdout);
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection))
        std::free(event);
    return 0;
}

int activateFromInput(xcb_connection_t *connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t activeWindow = atom(connection, "_NET_ACTIVE_WINDOW");
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = static_cast<xcb_window_t>(std::strtoul(line, nullptr, 0));
        message.type = activeWindow;
        message.data.data32[0] = 2; // from a pager, which window managers never refuse
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
        xcb_flush(connection);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const bool withArgument = command == "close" || command == "capture" || command == "owner";
    const bool showsWindow = command == "window" && (argc == 3 || argc == 4);
    const bool withoutArgument =
        command == "grab" || command == "tray-owner" || command == "activate";
    if (!withoutArgument && !(withArgument && argc == 3) && !showsWindow) {
        std::fprintf(stderr, "usage: e2e_xclient grab [--plain] | close WINDOW | capture WINDOW | "
                             "owner SELECTION | tray-owner | window CLASS [APPID] | activate\n");
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "e2e_xclient: cannot connect to the X server\n");
        return 2;
    }
    int status = 0;
    if (command == "grab") {
        status = grabAndWatch(connection, argc > 2 && std::strcmp(argv[2], "--plain") == 0);
    } else if (command == "owner") {
        status = printOwner(connection, argv[2]);
    } else if (command == "tray-owner") {
        status = trayOwner(connection);
    } else if (command == "activate") {
        status = activateFromInput(connection);
    } else if (showsWindow) {
        status = showWindow(connection, argv[2], argc == 4 ? argv[3] : nullptr);
    } else {
        const auto window = static_cast<xcb_window_t>(std::stoul(argv[2], nullptr, 0));
        status = command == "close" ? closeWindow(connection, window) : capture(connection, window);
    }
    xcb_disconnect(connection);
    return status;
}
