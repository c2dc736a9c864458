// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/x11/X11WindowIdentity.h"
#include "XcbTestEnvironment.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

using Kind = X11WindowIdentity::Kind;
constexpr std::uint32_t ownPid = 4242;
const QByteArray xterm("xterm\0XTerm\0", 12);
const QByteArray frame("f\0Frame\0", 8);
const QByteArray ours("vantel\0Vantel\0", 14);
const QByteArray longClass = QByteArray("x\0", 2) + QByteArray(300, 'x');
const char *const terminal = "org.gnome.Terminal";

struct Case {
    const char *what;
    QByteArray wmClass, parentClass, gtkId;
    bool dock = false;
    std::uint32_t pid = 0;
    Kind kind = Kind::Application;
    QString application;
};

// The windows come from a client of the test's own on the private display, written the way
// toolkits and panels write them, and some the way no toolkit should.
TEST(X11WindowIdentityTest, namesTheApplicationOrLeavesTheWindowOut) {
    REQUIRE_PRIVATE_X_SERVER();
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const X11FocusAtoms atoms = X11FocusAtoms::intern(connection);
    const auto set = [&](xcb_window_t window, xcb_atom_t property, xcb_atom_t type, int format,
                         const void *data, std::uint32_t length) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, type,
                            std::uint8_t(format), length, data);
    };
    const auto window = [&](const QByteArray &wmClass, xcb_window_t parent) {
        const xcb_window_t id = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, id, parent, 0, 0, 10, 10, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        if (!wmClass.isEmpty())
            set(id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, wmClass.data(), wmClass.size());
        return id;
    };
    const Case cases[] = {
        {"gtk id first", xterm, {}, terminal, false, 0, Kind::Application, terminal},
        {"class part", xterm, {}, {}, false, 0, Kind::Application, "XTerm"},
        {"junk gtk id", xterm, {}, "term\x1b[0m", false, 0, Kind::Application, "XTerm"},
        {"too long a class", longClass, frame, {}, false, 0, Kind::Application, "Frame"},
        {"parent asked", {}, frame, {}, false, 0, Kind::Application, "Frame"},
        {"nameless", {}, {}, {}, false, 0, Kind::Application, ""},
        {"dock", xterm, {}, {}, true, 0, Kind::Ignored, ""},
        {"ours by pid", xterm, {}, {}, false, ownPid, Kind::Ignored, ""},
        {"ours by class", ours, {}, {}, false, 0, Kind::Ignored, ""},
        {"parent is ours", {}, ours, {}, false, 0, Kind::Ignored, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const xcb_window_t id =
            window(c.wmClass, c.parentClass.isEmpty() ? root : window(c.parentClass, root));
        if (!c.gtkId.isEmpty())
            set(id, atoms.gtkApplicationId, atoms.utf8String, 8, c.gtkId.data(), c.gtkId.size());
        if (c.dock)
            set(id, atoms.windowType, XCB_ATOM_ATOM, 32, &atoms.dockType, 1);
        if (c.pid != 0)
            set(id, atoms.pid, XCB_ATOM_CARDINAL, 32, &c.pid, 1);
        const X11WindowIdentity identity = identifyWindow(connection, atoms, id, ownPid);
        EXPECT_EQ(c.kind, identity.kind);
        EXPECT_EQ(c.application, identity.application);
    }
    const xcb_window_t gone = window(xterm, root);
    xcb_destroy_window(connection, gone);
    EXPECT_EQ(Kind::Ignored, identifyWindow(connection, atoms, gone, ownPid).kind);
    xcb_disconnect(connection);
}

} // namespace
