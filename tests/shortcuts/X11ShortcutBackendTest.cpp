// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/x11/X11ShortcutBackend.h"
#include "XcbTestEnvironment.h"
#include "shortcuts/GlobalHotKey.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>

namespace {

constexpr Qt::KeyboardModifiers superAlt = Qt::MetaModifier | Qt::AltModifier;
constexpr std::uint8_t fKeycode = 41; // the F position in the private server's evdev keymap
constexpr std::uint16_t superAltMask = XCB_MOD_MASK_4 | XCB_MOD_MASK_1;
constexpr std::uint16_t capsLock = XCB_MOD_MASK_LOCK;
constexpr std::uint16_t numLock = XCB_MOD_MASK_2;
const QString toggle = QStringLiteral("toggle");
const QString sentinel = QStringLiteral("sentinel");

// Another X client on the same display, to hold key combinations of its own.
class OtherClient {
public:
    OtherClient() : connection_(xcb_connect(nullptr, nullptr)) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    }
    ~OtherClient() { xcb_disconnect(connection_); }
    OtherClient(const OtherClient &) = delete;
    OtherClient &operator=(const OtherClient &) = delete;

    // True when every listed lock variant of Super+Alt+<key> could be grabbed.
    bool grab(std::initializer_list<std::uint16_t> locks, std::uint8_t keycode = fKeycode) {
        bool all = true;
        for (std::uint16_t lock : locks) {
            auto cookie = xcb_grab_key_checked(connection_, 0, root_, superAltMask | lock, keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
            xcb_generic_error_t *error = xcb_request_check(connection_, cookie);
            all = all && error == nullptr;
            std::free(error);
        }
        return all;
    }
    bool grabAllVariants() { return grab({0, capsLock, numLock, capsLock | numLock}); }

private:
    xcb_connection_t *connection_;
    xcb_window_t root_ = 0;
};

class X11ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_PRIVATE_X_SERVER();
        backend = std::make_unique<X11ShortcutBackend>();
        QObject::connect(backend.get(), &GlobalShortcutBackend::triggered,
                         [this](const QString &id) { fired << id; });
    }

    bool grab(const QString &id, Qt::Key key, QString *error = nullptr) {
        QString ignored;
        return backend->grabKey(id, QStringLiteral("test"), key, superAlt,
                                error != nullptr ? error : &ignored);
    }

    // Types the keys, then the sentinel combination, and waits until the sentinel fires: X
    // keeps events in order, so by then every earlier press has been handled.
    void typeThenSentinel(QStringList keys, Qt::Key sentinelKey = Qt::Key_G,
                          const char *sentinelKeys = "super+alt+g") {
        if (!sentinelGrabbed) {
            ASSERT_TRUE(grab(sentinel, sentinelKey));
            sentinelGrabbed = true;
        }
        const qsizetype before = fired.count(sentinel);
        ASSERT_TRUE(xdotool(keys << "key" << sentinelKeys));
        ASSERT_TRUE(processEventsUntil([&] { return fired.count(sentinel) > before; }));
    }

    std::unique_ptr<X11ShortcutBackend> backend;
    QStringList fired;
    bool sentinelGrabbed = false;
};

struct TypingCase {
    const char *name;
    QStringList keys;
    int presses;
};

class X11TypingTest : public X11ShortcutTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(X11TypingTest, OnlyExactlySuperAltFPresses) {
    ASSERT_TRUE(grab(toggle, Qt::Key_F));
    typeThenSentinel(GetParam().keys);
    EXPECT_EQ(fired.count(toggle), GetParam().presses);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, X11TypingTest,
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

struct KeyCase {
    const char *name;
    Qt::Key key;
    const char *typed;
};

class X11KeyTest : public X11ShortcutTest, public ::testing::WithParamInterface<KeyCase> {};

// Keys are found without a table of their own: digits, punctuation and function keys too.
TEST_P(X11KeyTest, OtherKeysOfTheBaseLevelCanBeGrabbed) {
    ASSERT_TRUE(grab(toggle, GetParam().key));
    typeThenSentinel({"key", QStringLiteral("super+alt+") + GetParam().typed});
    EXPECT_EQ(fired.count(toggle), 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, X11KeyTest,
                         ::testing::Values(KeyCase{"Digit", Qt::Key_5, "5"},
                                           KeyCase{"Semicolon", Qt::Key_Semicolon, "semicolon"},
                                           KeyCase{"F5", Qt::Key_F5, "F5"}),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

TEST_F(X11ShortcutTest, KeysWithoutAPositionAreRefusedWithAReason) {
    for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Plus, Qt::Key_VolumeUp}) {
        QString error;
        EXPECT_FALSE(grab(toggle, key, &error)) << key;
        EXPECT_FALSE(error.isEmpty()) << key;
    }
    QString error;
    EXPECT_FALSE(backend->grabKey(toggle, {}, Qt::Key_F, Qt::KeypadModifier, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(OtherClient().grabAllVariants());
}

// The key is a position: under Dvorak the F position types 'u', and 'f' lies elsewhere.
TEST_F(X11ShortcutTest, GrabsTheKeyPositionWhateverTheLayout) {
    const QByteArray display = XcbTestEnvironment::server->display();
    // Named as a variant: newer keymap data no longer knows "dvorak" as a layout of its own.
    ASSERT_EQ(QProcess::execute("setxkbmap",
                                {"-display", display, "-layout", "us", "-variant", "dvorak"}),
              0);
    const bool grabbed = grab(toggle, Qt::Key_F);
    if (grabbed) {
        typeThenSentinel({"key", "super+alt+f", "super+alt+u"}, Qt::Key_G, "super+alt+i");
    }
    QProcess::execute("setxkbmap", {"-display", display, "us"});
    ASSERT_TRUE(grabbed);
    EXPECT_EQ(fired.count(toggle), 1);
}

// Another client holds only the plain combination: the lock variants we did get must go back.
TEST_F(X11ShortcutTest, CombinationHeldElsewhereFailsAndLeavesNothingGrabbed) {
    OtherClient holder;
    ASSERT_TRUE(holder.grab({0}));
    QString error;

    EXPECT_FALSE(grab(toggle, Qt::Key_F, &error));
    EXPECT_FALSE(error.isEmpty());

    typeThenSentinel({"key", "super+alt+f"});
    EXPECT_EQ(fired.count(toggle), 0);
    EXPECT_TRUE(OtherClient().grab({capsLock, numLock, capsLock | numLock}));
}

TEST_F(X11ShortcutTest, UngrabbingOrDestroyingReleasesTheCombination) {
    ASSERT_TRUE(grab(toggle, Qt::Key_F));
    EXPECT_FALSE(OtherClient().grab({0}));
    EXPECT_FALSE(OtherClient().grab({capsLock | numLock}));
    backend->ungrabKey(toggle);
    backend->ungrabKey(toggle);
    EXPECT_TRUE(OtherClient().grabAllVariants());

    auto second = std::make_unique<X11ShortcutBackend>();
    QString error;
    ASSERT_TRUE(second->grabKey(toggle, {}, Qt::Key_G, superAlt, &error)) << error.toStdString();
    second.reset();
    EXPECT_TRUE(OtherClient().grab({0, capsLock, numLock, capsLock | numLock}, fKeycode + 1));
}

// A second grab from the same client would silently merge with the first, and releasing
// either would release both; the same id again replaces.
TEST_F(X11ShortcutTest, OneCombinationServesOneIdAndAnIdHoldsOneCombination) {
    ASSERT_TRUE(grab(toggle, Qt::Key_F));
    QString error;
    EXPECT_FALSE(grab(QStringLiteral("other"), Qt::Key_F, &error));
    EXPECT_FALSE(error.isEmpty());
    backend->ungrabKey(QStringLiteral("other"));
    EXPECT_TRUE(grab(toggle, Qt::Key_F)) << "the same grab again is no change";

    typeThenSentinel({"key", "super+alt+f"});
    EXPECT_EQ(fired.count(toggle), 1);
    EXPECT_EQ(fired.count(QStringLiteral("other")), 0);

    ASSERT_TRUE(grab(toggle, Qt::Key_H));
    EXPECT_TRUE(OtherClient().grabAllVariants()) << "the F position was let go";
    typeThenSentinel({"key", "super+alt+h"});
    EXPECT_EQ(fired.count(toggle), 2);
}

// Errors of grab requests sent without a check must not reach Qt's error reporting, nor Xlib's
// handler, which would end the process.
TEST_F(X11ShortcutTest, UncheckedGrabErrorsAreSwallowed) {
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
                 superAltMask, fKeycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    xcb_flush(connection);

    typeThenSentinel({});
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_TRUE(xcbErrors.isEmpty()) << xcbErrors.join('\n').toStdString();
}

// Runs an X client against the private display: xmodmap or setxkbmap with their arguments.
bool onDisplay(const QString &program, const QStringList &arguments) {
    const QByteArray display = XcbTestEnvironment::server->display();
    return QProcess::execute(program, QStringList{"-display", display} + arguments) == 0;
}

struct MappingCase {
    const char *name;
    QStringList xmodmap; // expressions, each given with -e
};

class X11MappingTest : public X11ShortcutTest, public ::testing::WithParamInterface<MappingCase> {
protected:
    void TearDown() override { onDisplay("setxkbmap", {"us"}); }

    // The backend learns of a change by an event of its own, and a press before it grabbed again
    // is lost; so the probe is typed until it comes through. With Num Lock on, only the new grab
    // can match, whichever key moved.
    void waitUntilGrabbedAgain() {
        const qsizetype before = fired.count(probe);
        const auto arrived = [&] { return fired.count(probe) > before; };
        for (int attempt = 0; attempt < 40 && !arrived(); ++attempt) {
            ASSERT_TRUE(xdotool({"key", "Num_Lock", "super+alt+h", "Num_Lock"}));
            processEventsUntil(arrived, 500);
        }
        ASSERT_TRUE(arrived());
    }

    const QString probe = QStringLiteral("probe");
};

TEST_P(X11MappingTest, SuperAltFFollowsTheModifierMappingAndTheLayout) {
    ASSERT_TRUE(grab(toggle, Qt::Key_F));
    ASSERT_TRUE(grab(probe, Qt::Key_H));
    ASSERT_TRUE(grab(sentinel, Qt::Key_G));
    sentinelGrabbed = true;
    QStringList moves;
    for (const QString &expression : GetParam().xmodmap) {
        moves << "-e" << expression;
    }
    const std::pair<QString, QStringList> changes[] = {
        {"xmodmap", moves}, {"setxkbmap", {"de"}}, {"setxkbmap", {"us"}}};
    int presses = 0;
    for (const auto &[program, arguments] : changes) {
        ASSERT_TRUE(arguments.isEmpty() || onDisplay(program, arguments)) << program.toStdString();
        waitUntilGrabbedAgain();
        typeThenSentinel({"key", "super+alt+f", "Num_Lock", "super+alt+f", "Num_Lock"});
        presses += 2;
        EXPECT_EQ(fired.count(toggle), presses)
            << (program + ' ' + arguments.join(' ')).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Mappings, X11MappingTest,
    ::testing::Values(MappingCase{"LayoutOnly", {}},
                      MappingCase{"NumLockOnMod3", {"clear mod2", "add mod3 = Num_Lock"}},
                      MappingCase{"SuperOnMod3", {"clear mod4", "add mod3 = Super_L Super_R"}},
                      MappingCase{"SuperOnMod5NumLockOnMod3",
                                  {"clear mod2", "clear mod4", "add mod3 = Num_Lock",
                                   "add mod5 = Super_L Super_R"}},
                      MappingCase{"AltOnMod3", {"clear mod1", "add mod3 = Alt_L Alt_R"}}),
    [](const auto &testInfo) { return std::string(testInfo.param.name); });

// The whole road: the hot key over the display's backend, one press, one run, released after.
TEST_F(X11ShortcutTest, HotKeyRunsOncePerPressUntilUnregistered) {
    GlobalHotKey hotKey(*backend);
    int runs = 0;
    hotKey.registerHotKey([&runs] { ++runs; });

    EXPECT_EQ(hotKey.shortcut(), QStringLiteral("Super+Alt+F")) << "as Linux desktops name it";

    typeThenSentinel({"key", "super+alt+f", "super+alt+f"});
    EXPECT_EQ(runs, 2);

    hotKey.unregisterHotKey();
    EXPECT_TRUE(OtherClient().grabAllVariants());
    EXPECT_TRUE(hotKey.shortcut().isEmpty());
}

} // namespace
