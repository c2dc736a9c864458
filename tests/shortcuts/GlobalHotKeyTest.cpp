// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/GlobalHotKey.h"
#include "shortcuts/ShortcutBackends.h"
#include "shortcuts/none/NoShortcutBackend.h"
#include "support/FakeShortcutBackend.h"

#include <QDBusConnection>
#include <QLoggingCategory>
#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr Qt::KeyboardModifiers superAlt = Qt::MetaModifier | Qt::AltModifier;

// Collects what is logged at info level or above under vantel.hotkey while it lives.
class HotKeyLog {
public:
    HotKeyLog() { previous_ = qInstallMessageHandler(&HotKeyLog::collect); }
    ~HotKeyLog() { qInstallMessageHandler(previous_); }
    HotKeyLog(const HotKeyLog &) = delete;
    HotKeyLog &operator=(const HotKeyLog &) = delete;

    static inline QStringList infos;

private:
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (QLatin1String(context.category) == QLatin1String("vantel.hotkey") &&
            type == QtInfoMsg) {
            infos << text;
        }
    }
    QtMessageHandler previous_ = nullptr;
};

class GlobalHotKeyTest : public ::testing::Test {
protected:
    void SetUp() override { HotKeyLog::infos.clear(); }

    FakeShortcutBackend backend;
    GlobalHotKey hotKey{backend};
};

TEST_F(GlobalHotKeyTest, SuperAltFRunsTheActionOncePerPress) {
    int runs = 0;
    hotKey.registerHotKey([&runs] { ++runs; });

    ASSERT_EQ(backend.grabs().size(), 1);
    EXPECT_FALSE(backend.grabs().front().description.isEmpty());
    EXPECT_EQ(backend.press(Qt::Key_F, Qt::MetaModifier), 0);
    EXPECT_EQ(backend.press(Qt::Key_G, superAlt), 0);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(backend.press(), 1);
    EXPECT_EQ(backend.press(), 1);
    EXPECT_EQ(runs, 2);
}

TEST_F(GlobalHotKeyTest, SecondRegistrationReplacesTheFirst) {
    int first = 0;
    int second = 0;
    hotKey.registerHotKey([&first] { ++first; });
    hotKey.registerHotKey([&second] { ++second; });

    EXPECT_EQ(backend.grabs().size(), 1);
    EXPECT_EQ(backend.press(), 1);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST_F(GlobalHotKeyTest, UnregisteringReleasesTheCombinationAndTheAction) {
    hotKey.unregisterHotKey();
    EXPECT_EQ(backend.ungrabCalls(), 0) << "nothing registered, nothing to release";

    auto captured = std::make_shared<int>(0);
    hotKey.registerHotKey([captured] { ++*captured; });
    hotKey.unregisterHotKey();
    hotKey.unregisterHotKey();

    EXPECT_TRUE(backend.grabs().isEmpty());
    EXPECT_EQ(captured.use_count(), 1);
    EXPECT_EQ(backend.press(), 0);
    EXPECT_EQ(*captured, 0);
}

TEST_F(GlobalHotKeyTest, DestroyingTheHotKeyReleasesTheCombination) {
    auto scoped = std::make_unique<GlobalHotKey>(backend);
    scoped->registerHotKey([] {});
    ASSERT_EQ(backend.grabs().size(), 1);
    scoped.reset();
    EXPECT_TRUE(backend.grabs().isEmpty());
}

// The action may end the registration it was called through; what it captured must outlive
// the call all the same.
TEST_F(GlobalHotKeyTest, ActionMayUnregisterWhileRunning) {
    auto captured = std::make_shared<std::vector<int>>(64, 7);
    int sum = 0;
    hotKey.registerHotKey([this, captured, &sum] {
        hotKey.unregisterHotKey();
        for (int value : *captured) {
            sum += value;
        }
    });
    captured.reset();
    EXPECT_EQ(backend.press(), 1);
    EXPECT_EQ(sum, 64 * 7);
    EXPECT_TRUE(backend.grabs().isEmpty());
}

// Refused at once or taken back later: the program runs on, the reason is logged, and the
// hot key can still be released and registered again.
TEST_F(GlobalHotKeyTest, RefusalIsLoggedAndChangesNothingElse) {
    for (const bool later : {false, true}) {
        SCOPED_TRACE(later ? "taken back later" : "refused at once");
        HotKeyLog log;
        HotKeyLog::infos.clear();
        int runs = 0;
        if (later) {
            hotKey.registerHotKey([&runs] { ++runs; });
            backend.revoke(QStringLiteral("toggle"), QStringLiteral("the desktop said no"));
        } else {
            backend.refuseGrabs(QStringLiteral("the desktop said no"));
            hotKey.registerHotKey([&runs] { ++runs; });
        }
        ASSERT_EQ(HotKeyLog::infos.size(), 1);
        EXPECT_TRUE(HotKeyLog::infos.front().contains(QStringLiteral("the desktop said no")));
        EXPECT_EQ(backend.press(), 0);
        hotKey.unregisterHotKey();
        backend.refuseGrabs({});
        hotKey.registerHotKey([&runs] { ++runs; });
        EXPECT_EQ(backend.press(), 1);
        EXPECT_EQ(runs, 1);
        hotKey.unregisterHotKey();
    }
}

TEST_F(GlobalHotKeyTest, PressesOfOtherShortcutsOfTheBackendAreNotOurs) {
    int runs = 0;
    hotKey.registerHotKey([&runs] { ++runs; });
    QString error;
    ASSERT_TRUE(backend.grabKey(QStringLiteral("other"), {}, Qt::Key_G, superAlt, &error));
    EXPECT_EQ(backend.press(Qt::Key_G, superAlt), 1);
    EXPECT_EQ(runs, 0);
}

// The tests run offscreen, where no session service for shortcuts exists: the choice falls back
// to refusing every grab with a reason, and the hot key over it runs on quietly.
TEST(ShortcutBackendChoiceTest, WithoutAServiceEveryGrabFailsWithAReason) {
    const std::unique_ptr<GlobalShortcutBackend> chosen =
        createShortcutBackend(QDBusConnection(QStringLiteral("no bus")));
    ASSERT_NE(dynamic_cast<NoShortcutBackend *>(chosen.get()), nullptr);
    QString error;
    EXPECT_FALSE(chosen->grabKey(QStringLiteral("toggle"), {}, Qt::Key_F, superAlt, &error));
    EXPECT_FALSE(error.isEmpty());
    chosen->ungrabKey(QStringLiteral("toggle"));

    GlobalHotKey hotKey(*chosen);
    hotKey.registerHotKey([] {});
    hotKey.unregisterHotKey();
}

struct ChoiceCase {
    const char *name;
    const char *qtPlatform;
    bool waylandSession;
    bool portalOnBus;
    ShortcutBackendKind kind;
};

class ShortcutBackendKindTest : public ::testing::TestWithParam<ChoiceCase> {};

// On XWayland an X11 grab fires only while an XWayland window has the focus: the portal wins.
TEST_P(ShortcutBackendKindTest, TheSessionNotQtsPlatformDecidesForThePortal) {
    const ChoiceCase &row = GetParam();
    EXPECT_EQ(chooseShortcutBackend(QString::fromLatin1(row.qtPlatform), row.waylandSession,
                                    row.portalOnBus),
              row.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, ShortcutBackendKindTest,
    ::testing::Values(
        ChoiceCase{"X11", "xcb", false, false, ShortcutBackendKind::X11},
        ChoiceCase{"X11WithAPortal", "xcb", false, true, ShortcutBackendKind::X11},
        ChoiceCase{"Wayland", "wayland", true, true, ShortcutBackendKind::Portal},
        ChoiceCase{"XWayland", "xcb", true, true, ShortcutBackendKind::Portal},
        ChoiceCase{"XWaylandWithoutPortal", "xcb", true, false, ShortcutBackendKind::X11},
        ChoiceCase{"WaylandWithoutPortal", "wayland", true, false, ShortcutBackendKind::None},
        ChoiceCase{"Offscreen", "offscreen", false, true, ShortcutBackendKind::None}),
    [](const auto &row) { return row.param.name; });

} // namespace
