#include "focus/x11/X11FocusWatch.h"
#include "XcbTestEnvironment.h"
#include "focus/x11/X11WindowIdentity.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstring>
#include <vector>

namespace {

using Kind = X11WindowIdentity::Kind;
constexpr std::uint32_t ownPid = 4242;

// Another client on the private display: it makes the windows, and stands in for the window
// manager where a test needs root properties no real one would write on cue.
class OtherClient {
public:
    OtherClient() : connection_(xcb_connect(nullptr, nullptr)) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        atoms_ = X11FocusAtoms::intern(connection_);
    }
    ~OtherClient() { xcb_disconnect(connection_); }
    OtherClient(const OtherClient &) = delete;
    OtherClient &operator=(const OtherClient &) = delete;

    xcb_connection_t *connection() const { return connection_; }
    const X11FocusAtoms &atoms() const { return atoms_; }
    xcb_window_t root() const { return root_; }

    xcb_window_t window(const QByteArray &wmClass = {}, xcb_window_t parent = 0) {
        const xcb_window_t id = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, id, parent ? parent : root_, 0, 0, 10,
                          10, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        if (!wmClass.isEmpty())
            setText(id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, wmClass);
        return id;
    }
    void setText(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                 const QByteArray &bytes) {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                            std::uint32_t(bytes.size()), bytes.constData());
        xcb_flush(connection_);
    }
    void set(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
             const std::vector<std::uint32_t> &words) {
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                            std::uint32_t(words.size()), words.data());
        xcb_flush(connection_);
    }

private:
    xcb_connection_t *connection_;
    xcb_window_t root_ = 0;
    X11FocusAtoms atoms_;
};

struct Case {
    const char *what;
    QByteArray gtkId;
    QByteArray wmClass;
    QByteArray parentClass;
    std::uint32_t windowType = 0; // 1 dock, 2 desktop
    std::uint32_t pid = 0;
    Kind kind = Kind::Application;
    QString application;
};

TEST(X11WindowIdentityTest, namesTheApplicationOrLeavesTheWindowOut) {
    REQUIRE_PRIVATE_X_SERVER();
    OtherClient client;
    const QByteArray junk = QByteArray("term") + '\x1b' + "[0m";
    const Case cases[] = {
        {"gtk id first",
         "org.gnome.Terminal",
         QByteArray("gnome-terminal\0Gnome-terminal\0", 30),
         {},
         0,
         0,
         Kind::Application,
         "org.gnome.Terminal"},
        {"class part", {}, QByteArray("xterm\0XTerm\0", 12), {}, 0, 0, Kind::Application, "XTerm"},
        {"junk gtk id",
         junk,
         QByteArray("xterm\0XTerm\0", 12),
         {},
         0,
         0,
         Kind::Application,
         "XTerm"},
        {"too long a class",
         {},
         "x\0" + QByteArray(300, 'x'),
         QByteArray("f\0Frame\0", 8),
         0,
         0,
         Kind::Application,
         "Frame"},
        {"parent asked", {}, {}, QByteArray("f\0Frame\0", 8), 0, 0, Kind::Application, "Frame"},
        {"nameless", {}, {}, {}, 0, 0, Kind::Application, ""},
        {"dock", {}, QByteArray("panel\0Panel\0", 12), {}, 1, 0, Kind::Ignored, ""},
        {"desktop", {}, QByteArray("desk\0Desk\0", 10), {}, 2, 0, Kind::Ignored, ""},
        {"ours by pid", {}, QByteArray("other\0Other\0", 12), {}, 0, ownPid, Kind::Ignored, ""},
        {"ours by class", {}, QByteArray("vantel\0Vantel\0", 14), {}, 0, 0, Kind::Ignored, ""},
        {"parent is ours", {}, {}, QByteArray("vantel\0Vantel\0", 14), 0, 0, Kind::Ignored, ""},
    };
    const auto &atoms = client.atoms();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const xcb_window_t parent = c.parentClass.isEmpty() ? 0 : client.window(c.parentClass);
        const xcb_window_t window = client.window(c.wmClass, parent);
        if (!c.gtkId.isEmpty())
            client.setText(window, atoms.gtkApplicationId, atoms.utf8String, c.gtkId);
        if (c.windowType != 0)
            client.set(window, atoms.windowType, XCB_ATOM_ATOM,
                       {c.windowType == 1 ? atoms.dockType : atoms.desktopType});
        if (c.pid != 0)
            client.set(window, atoms.pid, XCB_ATOM_CARDINAL, {c.pid});
        const auto identity = identifyWindow(client.connection(), atoms, window, ownPid);
        EXPECT_EQ(c.kind, identity.kind);
        EXPECT_EQ(c.application, identity.application);
    }
    const xcb_window_t gone = client.window(QByteArray("gone\0Gone\0", 10));
    xcb_destroy_window(client.connection(), gone);
    EXPECT_EQ(Kind::Ignored, identifyWindow(client.connection(), atoms, gone, ownPid).kind);
}

// From the root's properties to the signals, over the application's own connection.
TEST(X11FocusWatchTest, followsTheRootAndAWindowManagerThatStartsLater) {
    REQUIRE_PRIVATE_X_SERVER();
    OtherClient client;
    X11FocusWatch watch;
    QStringList told;
    int availabilityChanges = 0;
    QObject::connect(&watch, &FocusWatch::applicationChanged,
                     [&](const QString &id) { told << id; });
    QObject::connect(&watch, &FocusWatch::availabilityChanged, [&] { ++availabilityChanges; });
    watch.start();
    EXPECT_FALSE(watch.unavailableReason().isEmpty());

    const auto &atoms = client.atoms();
    client.set(client.root(), atoms.supported, XCB_ATOM_ATOM,
               {atoms.windowType, atoms.activeWindow});
    ASSERT_TRUE(processEventsUntil([&] { return availabilityChanges == 1; }));
    EXPECT_EQ(QString(), watch.unavailableReason());

    const QByteArray classes[] = {QByteArray("a\0First\0", 8), QByteArray("p\0Panel\0", 8),
                                  QByteArray("b\0Second\0", 9)};
    std::vector<xcb_window_t> windows;
    for (const QByteArray &wmClass : classes)
        windows.push_back(client.window(wmClass));
    client.set(windows[1], atoms.windowType, XCB_ATOM_ATOM, {atoms.dockType});
    const auto activate = [&](xcb_window_t window) {
        client.set(client.root(), atoms.activeWindow, XCB_ATOM_WINDOW, {window});
    };
    activate(windows[0]);
    ASSERT_TRUE(processEventsUntil([&] { return watch.application() == "First"; }));
    activate(windows[1]);
    activate(windows[2]);
    ASSERT_TRUE(processEventsUntil([&] { return watch.application() == "Second"; }));
    EXPECT_EQ(QStringList({"First", "Second"}), told);

    watch.stop();
    xcb_delete_property(client.connection(), client.root(), atoms.supported);
    xcb_delete_property(client.connection(), client.root(), atoms.activeWindow);
    xcb_flush(client.connection());
}

} // namespace
