// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/x11/X11TrayColors.h"
#include "XcbTestEnvironment.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace {

// A tray manager of the test's own on a second connection, doing what an XEmbed tray does:
// it takes the selection, announces itself with MANAGER and publishes its colours.
class FakeTrayManager {
public:
    FakeTrayManager() : connection_(xcb_connect(nullptr, nullptr)) {
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        window_ = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen_->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    }
    ~FakeTrayManager() {
        destroy();
        xcb_disconnect(connection_);
    }

    void claim() {
        xcb_set_selection_owner(connection_, window_, atom("_NET_SYSTEM_TRAY_S0"),
                                XCB_CURRENT_TIME);
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = screen_->root;
        message.type = atom("MANAGER");
        message.data.data32[1] = atom("_NET_SYSTEM_TRAY_S0");
        message.data.data32[2] = window_;
        xcb_send_event(connection_, 0, screen_->root, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
        xcb_flush(connection_);
    }

    void publish(QColor foreground) {
        const quint32 values[12] = {quint32(foreground.red() * 257),
                                    quint32(foreground.green() * 257),
                                    quint32(foreground.blue() * 257),
                                    0xffff,
                                    0,
                                    0,
                                    0xffff,
                                    0xffff,
                                    0,
                                    0,
                                    0xffff,
                                    0};
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window_,
                            atom("_NET_SYSTEM_TRAY_COLORS"), XCB_ATOM_CARDINAL, 32, 12, values);
        xcb_flush(connection_);
    }

    void destroy() {
        if (!window_)
            return;
        xcb_destroy_window(connection_, window_);
        xcb_flush(connection_);
        window_ = 0;
    }

private:
    xcb_atom_t atom(const char *name) {
        auto *reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, quint16(strlen(name)), name), nullptr);
        const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return result;
    }

    xcb_connection_t *connection_;
    xcb_screen_t *screen_ = nullptr;
    xcb_window_t window_ = 0;
};

bool foregroundIs(const X11TrayColors &colors, std::optional<QColor> expected) {
    return processEventsUntil([&] { return colors.foreground() == expected; });
}

TEST(X11TrayColors, FollowsTheTrayManagersColoursAndTheManagerItself) {
    REQUIRE_PRIVATE_X_SERVER();
    const QColor light(0xee, 0xee, 0xec), dark(0x2e, 0x34, 0x36);

    auto first = std::make_unique<FakeTrayManager>();
    first->publish(light);
    first->claim(); // a tray that was there with its colours before the program started
    X11TrayColors colors;
    EXPECT_TRUE(foregroundIs(colors, light));

    QSignalSpy changes(&colors, &X11TrayColors::changed);
    first->publish(dark);
    EXPECT_TRUE(foregroundIs(colors, dark));

    first->destroy(); // the tray quits
    EXPECT_TRUE(foregroundIs(colors, std::nullopt));

    FakeTrayManager second; // a new tray, colours published after it announced itself
    second.claim();
    second.publish(light);
    EXPECT_TRUE(foregroundIs(colors, light));
    EXPECT_EQ(changes.count(), 3);
}

TEST(X11TrayColors, ATrayWithoutColoursTellsNone) {
    REQUIRE_PRIVATE_X_SERVER();
    FakeTrayManager tray;
    tray.claim();
    X11TrayColors colors;
    EXPECT_FALSE(colors.foreground());
    EXPECT_EQ(trayForeground({0xffff, 0x8000}), std::nullopt);
    EXPECT_EQ(trayForeground({0xffff, 0x8000, 0, 1, 2, 3}), QColor(255, 128, 0));
}

} // namespace
