#include "XcbTestEnvironment.h"
#include "hotkey/HotKey.h"
#include "platform/EventManager.h"
#include "platform/SystemEventManager.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

constexpr UInt32 kVK_ANSI_G = 5;
constexpr UInt32 commandOption = cmdKey | optionKey;
constexpr std::uint8_t fKeycode = 41; // the F position in the private server's evdev keymap
constexpr std::uint16_t superAlt = XCB_MOD_MASK_4 | XCB_MOD_MASK_1;
constexpr std::uint16_t capsLock = XCB_MOD_MASK_LOCK;
constexpr std::uint16_t numLock = XCB_MOD_MASK_2;

struct Recorder {
    std::vector<OpaqueEventRef> events;
    std::vector<void *> userData;

    int count(UInt32 id) const {
        return static_cast<int>(std::count_if(events.begin(), events.end(),
                                              [id](const auto &e) { return e.hotKeyID.id == id; }));
    }
};

OSStatus record(EventHandlerCallRef, EventRef event, void *userData) {
    auto *recorder = static_cast<Recorder *>(userData);
    recorder->events.push_back(*event);
    recorder->userData.push_back(userData);
    return noErr;
}

// Another X client on the same display, to hold key combinations of its own.
class OtherClient {
public:
    OtherClient() : connection_(xcb_connect(nullptr, nullptr)) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    }
    ~OtherClient() { xcb_disconnect(connection_); }
    OtherClient(const OtherClient &) = delete;
    OtherClient &operator=(const OtherClient &) = delete;

    // True when every listed modifier combination of Super+Alt+<key> could be grabbed.
    bool grab(std::initializer_list<std::uint16_t> locks, std::uint8_t keycode = fKeycode) {
        bool all = true;
        for (std::uint16_t lock : locks) {
            auto cookie = xcb_grab_key_checked(connection_, 0, root_, superAlt | lock, keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            xcb_generic_error_t *error = xcb_request_check(connection_, cookie);
            all = all && error == nullptr;
            std::free(error);
        }
        return all;
    }

private:
    xcb_connection_t *connection_;
    xcb_window_t root_ = 0;
};

class XcbHotKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_PRIVATE_X_SERVER();
        manager = createSystemEventManager();
        const EventTypeSpec pressed{kEventClassKeyboard, kEventHotKeyPressed};
        ASSERT_EQ(manager->InstallEventHandler(manager->GetEventDispatcherTarget(), record, 1,
                                               &pressed, &recorder, &handler),
                  noErr);
    }

    OSStatus registerKey(UInt32 keyCode, UInt32 id, EventHotKeyRef *ref) {
        return manager->RegisterEventHotKey(keyCode, commandOption, {0x464E544F, id},
                                            manager->GetEventDispatcherTarget(), 0, ref);
    }

    // Types the keys, then the G-position sentinel, and waits until the sentinel arrives: X
    // keeps events in order, so by then every earlier press has been handled.
    void typeThenSentinel(QStringList keys, const char *sentinel = "super+alt+g") {
        if (sentinelRef == nullptr) {
            ASSERT_EQ(registerKey(kVK_ANSI_G, 2, &sentinelRef), noErr);
        }
        const int before = recorder.count(2);
        ASSERT_TRUE(xdotool(keys << "key" << sentinel));
        ASSERT_TRUE(processEventsUntil([&] { return recorder.count(2) > before; }));
    }

    std::unique_ptr<EventManager> manager;
    Recorder recorder;
    EventHandlerRef handler = nullptr;
    EventHotKeyRef sentinelRef = nullptr;
};

struct TypingCase {
    const char *name;
    QStringList keys;
    int presses;
};

class XcbTypingTest : public XcbHotKeyTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(XcbTypingTest, OnlyExactlySuperAltFPresses) {
    EventHotKeyRef ref = nullptr;
    ASSERT_EQ(registerKey(kVK_ANSI_F, 1, &ref), noErr);
    ASSERT_NE(ref, nullptr);

    typeThenSentinel(GetParam().keys);

    EXPECT_EQ(recorder.count(1), GetParam().presses);
    for (std::size_t i = 0; i < recorder.events.size(); ++i) {
        EXPECT_EQ(recorder.events[i].type.eventClass, kEventClassKeyboard);
        EXPECT_EQ(recorder.events[i].type.eventKind, kEventHotKeyPressed);
        EXPECT_EQ(recorder.events[i].hotKeyID.signature, 0x464E544Fu);
        EXPECT_EQ(recorder.userData[i], &recorder);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, XcbTypingTest,
    ::testing::Values(
        TypingCase{"SuperAltF", {"key", "super+alt+f"}, 1},
        TypingCase{"SuperF", {"key", "super+f"}, 0}, TypingCase{"AltF", {"key", "alt+f"}, 0},
        TypingCase{"SuperAltShiftF", {"key", "super+alt+shift+f"}, 0},
        TypingCase{"CtrlSuperAltF", {"key", "ctrl+super+alt+f"}, 0},
        TypingCase{"PlainF", {"key", "f"}, 0},
        TypingCase{"CapsLockOn", {"key", "Caps_Lock", "super+alt+f", "Caps_Lock"}, 1},
        TypingCase{"NumLockOn", {"key", "Num_Lock", "super+alt+f", "Num_Lock"}, 1},
        TypingCase{"BothLocksOn",
                   {"key", "Caps_Lock", "Num_Lock", "super+alt+f", "Num_Lock", "Caps_Lock"},
                   1},
        TypingCase{"PressedTwice", {"key", "super+alt+f", "super+alt+f"}, 2},
        // Auto-repeat while the key is held is still one press.
        TypingCase{"HeldDown", {"keydown", "super+alt+f", "sleep", "1.2", "keyup", "f"}, 1}),
    [](const auto &testInfo) { return std::string(testInfo.param.name); });

// The key is a position: under Dvorak the F position types 'u', and 'f' lies elsewhere.
TEST_F(XcbHotKeyTest, GrabsTheKeyPositionWhateverTheLayout) {
    const QByteArray display = XcbTestEnvironment::server->display();
    ASSERT_EQ(QProcess::execute("setxkbmap", {"-display", display, "dvorak"}), 0);
    EventHotKeyRef ref = nullptr;
    ASSERT_EQ(registerKey(kVK_ANSI_F, 1, &ref), noErr);

    typeThenSentinel({"key", "super+alt+f", "super+alt+u"}, "super+alt+i");

    EXPECT_EQ(recorder.count(1), 1);
    QProcess::execute("setxkbmap", {"-display", display, "us"});
}

// Another client holds only the plain combination: the lock variants we did get must go back.
TEST_F(XcbHotKeyTest, CombinationHeldElsewhereFailsAndLeavesNothingGrabbed) {
    OtherClient holder;
    ASSERT_TRUE(holder.grab({0}));
    EventHotKeyRef ref = reinterpret_cast<EventHotKeyRef>(1);

    EXPECT_NE(registerKey(kVK_ANSI_F, 1, &ref), noErr);
    EXPECT_EQ(ref, nullptr);

    typeThenSentinel({"key", "super+alt+f"});
    EXPECT_EQ(recorder.count(1), 0);
    OtherClient other;
    EXPECT_TRUE(other.grab({capsLock, numLock, capsLock | numLock}));
}

TEST_F(XcbHotKeyTest, UnregisteringOrDestroyingReleasesTheCombination) {
    EventHotKeyRef ref = nullptr;
    ASSERT_EQ(registerKey(kVK_ANSI_F, 1, &ref), noErr);
    EXPECT_FALSE(OtherClient().grab({0}));
    EXPECT_FALSE(OtherClient().grab({capsLock | numLock}));
    ASSERT_EQ(manager->UnregisterEventHotKey(ref), noErr);
    EXPECT_NE(manager->UnregisterEventHotKey(ref), noErr);
    EXPECT_TRUE(OtherClient().grab({0, capsLock, numLock, capsLock | numLock}));

    auto second = createSystemEventManager();
    ASSERT_EQ(second->RegisterEventHotKey(kVK_ANSI_F, commandOption, {1, 1},
                                          second->GetEventDispatcherTarget(), 0, &ref),
              noErr);
    second.reset();
    EXPECT_TRUE(OtherClient().grab({0, capsLock, numLock, capsLock | numLock}));
}

// A second grab from the same client would silently merge with the first, and releasing
// either would release both.
TEST_F(XcbHotKeyTest, SameCombinationTwiceInOneProcessIsRefused) {
    EventHotKeyRef first = nullptr;
    EventHotKeyRef second = nullptr;
    ASSERT_EQ(registerKey(kVK_ANSI_F, 1, &first), noErr);
    EXPECT_EQ(registerKey(kVK_ANSI_F, 3, &second), eventHotKeyExistsErr);
    EXPECT_EQ(second, nullptr);

    typeThenSentinel({"key", "super+alt+f"});
    EXPECT_EQ(recorder.count(1), 1);
    EXPECT_EQ(recorder.count(3), 0);
}

TEST_F(XcbHotKeyTest, RemovedHandlerIsNotCalled) {
    Recorder later;
    const EventTypeSpec pressed{kEventClassKeyboard, kEventHotKeyPressed};
    EventHandlerRef laterRef = nullptr;
    ASSERT_EQ(manager->InstallEventHandler(manager->GetEventDispatcherTarget(), record, 1, &pressed,
                                           &later, &laterRef),
              noErr);
    EventHotKeyRef ref = nullptr;
    ASSERT_EQ(registerKey(kVK_ANSI_F, 1, &ref), noErr);
    ASSERT_EQ(manager->RemoveEventHandler(laterRef), noErr);

    typeThenSentinel({"key", "super+alt+f"});
    EXPECT_EQ(recorder.count(1), 1);
    EXPECT_TRUE(later.events.empty());
}

// Errors of grab requests sent without a check must not reach Qt's error reporting.
TEST_F(XcbHotKeyTest, UncheckedGrabErrorsAreSwallowed) {
    static QStringList xcbErrors;
    xcbErrors.clear();
    const auto previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &message) {
            if (message.contains("XCB error")) {
                xcbErrors << message;
            }
        });
    // Qt reports X errors at debug level only.
    QLoggingCategory::setFilterRules("qt.qpa.xcb.debug=true");
    OtherClient holder;
    ASSERT_TRUE(holder.grab({0}));
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11->connection();
    xcb_grab_key(connection, 0, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root,
                 superAlt, fKeycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_flush(connection);

    typeThenSentinel({});
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_TRUE(xcbErrors.isEmpty()) << xcbErrors.join('\n').toStdString();
}

// The whole road: the module's registration over the display's manager, one press, one run.
TEST_F(XcbHotKeyTest, RegisteredActionRunsOncePerPressUntilUnregistered) {
    int runs = 0;
    registerHotKey(*manager, [&runs] { ++runs; });

    // The module's handler takes every event, so a second press has to stand in for a sentinel.
    for (int press = 1; press <= 2; ++press) {
        ASSERT_TRUE(xdotool({"key", "super+alt+f"}));
        ASSERT_TRUE(processEventsUntil([&] { return runs >= press; }));
    }
    processEventsUntil([] { return false; }, 200);
    EXPECT_EQ(runs, 2);

    unregisterHotKey(*manager);
    EXPECT_TRUE(OtherClient().grab({0, capsLock, numLock, capsLock | numLock}));
}

} // namespace
