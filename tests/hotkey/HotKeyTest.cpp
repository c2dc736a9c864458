#include "hotkey/HotKey.h"
#include "platform/SystemEventManager.h"
#include "support/FakeEventManager.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;

namespace {

constexpr EventHotKeyID fnto{0x464E544F, 1};

class HotKeyTest : public ::testing::Test {
protected:
    void TearDown() override { unregisterHotKey(events); }

    FakeEventManager events;
};

TEST_F(HotKeyTest, UnregisteringWithNothingRegisteredMakesNoCall) {
    unregisterHotKey(events);
    unregisterHotKey(events);
    EXPECT_TRUE(events.calls.empty());
}

TEST_F(HotKeyTest, InstallsTheHandlerBeforeGrabbingCommandOptionF) {
    registerHotKey(events, [] {});

    EXPECT_THAT(events.calls, ElementsAre("GetEventDispatcherTarget", "InstallEventHandler",
                                          "GetEventDispatcherTarget", "RegisterEventHotKey"));
    ASSERT_EQ(events.handlers.size(), 1u);
    const auto &handler = events.handlers.front();
    ASSERT_EQ(handler.types.size(), 1u);
    EXPECT_EQ(handler.types[0].eventClass, kEventClassKeyboard);
    EXPECT_EQ(handler.types[0].eventKind, kEventHotKeyPressed);
    EXPECT_NE(handler.userData, nullptr);
    ASSERT_EQ(events.hotKeys.size(), 1u);
    const auto &key = events.hotKeys.front();
    EXPECT_EQ(key.keyCode, 3u);
    EXPECT_EQ(key.modifiers, 0x900u);
    EXPECT_EQ(key.hotKeyID.signature, fnto.signature);
    EXPECT_EQ(key.hotKeyID.id, fnto.id);
    EXPECT_EQ(key.options, 0u);
}

TEST_F(HotKeyTest, SecondRegistrationReplacesTheFirst) {
    int first = 0;
    int second = 0;
    registerHotKey(events, [&first] { ++first; });
    events.calls.clear();
    registerHotKey(events, [&second] { ++second; });

    // The old registration goes first, hot key before handler, and only then the new one.
    EXPECT_THAT(events.calls, ElementsAre("UnregisterEventHotKey", "RemoveEventHandler",
                                          "GetEventDispatcherTarget", "InstallEventHandler",
                                          "GetEventDispatcherTarget", "RegisterEventHotKey"));
    EXPECT_EQ(events.hotKeys.size(), 1u);
    EXPECT_EQ(events.press(), 1);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST_F(HotKeyTest, UnregisteringReleasesTheActionAndSilencesPresses) {
    auto captured = std::make_shared<int>(0);
    registerHotKey(events, [captured] { ++*captured; });
    EXPECT_EQ(captured.use_count(), 2);
    events.calls.clear();

    unregisterHotKey(events);

    EXPECT_THAT(events.calls, ElementsAre("UnregisterEventHotKey", "RemoveEventHandler"));
    EXPECT_EQ(captured.use_count(), 1);
    EXPECT_TRUE(events.handlers.empty());
    EXPECT_TRUE(events.hotKeys.empty());
    EXPECT_EQ(events.press(), 0);
    EXPECT_EQ(*captured, 0);
    events.calls.clear();
    unregisterHotKey(events);
    EXPECT_TRUE(events.calls.empty());
}

TEST_F(HotKeyTest, NullUserDataIsIgnored) {
    int runs = 0;
    registerHotKey(events, [&runs] { ++runs; });
    OpaqueEventRef event{{kEventClassKeyboard, kEventHotKeyPressed}, fnto};

    EXPECT_EQ(hotKeyEventHandler(nullptr, &event, nullptr), noErr);
    EXPECT_EQ(runs, 0);
}

// The action may end the registration it was called through; what it captured must outlive
// the call all the same.
TEST_F(HotKeyTest, ActionMayUnregisterWhileRunning) {
    auto captured = std::make_shared<std::vector<int>>(64, 7);
    int sum = 0;
    registerHotKey(events, [this, captured, &sum] {
        unregisterHotKey(events);
        for (int value : *captured) {
            sum += value;
        }
    });
    EXPECT_EQ(events.press(), 1);
    EXPECT_EQ(sum, 64 * 7);
    EXPECT_EQ(captured.use_count(), 1);
    EXPECT_TRUE(events.handlers.empty());
}

struct FailureCase {
    const char *name;
    bool failInstall;
    bool failRegister;
    std::vector<std::string> unregisterCalls;
};

class HotKeyFailureTest : public HotKeyTest, public ::testing::WithParamInterface<FailureCase> {};

// A failed step leaves its reference empty; unregistering then skips exactly that step.
TEST_P(HotKeyFailureTest, UnregisteringUndoesOnlyWhatSucceeded) {
    events.failInstall = GetParam().failInstall;
    events.failRegister = GetParam().failRegister;
    auto captured = std::make_shared<int>(0);
    registerHotKey(events, [captured] {});
    events.calls.clear();

    unregisterHotKey(events);

    EXPECT_EQ(events.calls, GetParam().unregisterCalls);
    EXPECT_EQ(captured.use_count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, HotKeyFailureTest,
    ::testing::Values(
        FailureCase{"KeyTaken", false, true, {"RemoveEventHandler"}},
        FailureCase{"HandlerRefused", true, false, {"UnregisterEventHotKey"}},
        FailureCase{"BothRefused", true, true, {}},
        FailureCase{"NoneRefused", false, false, {"UnregisterEventHotKey", "RemoveEventHandler"}}),
    [](const auto &testInfo) { return std::string(testInfo.param.name); });

class HotKeyEventTest : public HotKeyTest, public ::testing::WithParamInterface<EventHotKeyID> {};

// The handler reads nothing from the event: each one that arrives is one press.
TEST_P(HotKeyEventTest, EveryEventRunsTheActionOnce) {
    int runs = 0;
    registerHotKey(events, [&runs] { ++runs; });
    void *userData = events.handlers.front().userData;
    OpaqueEventRef event{{kEventClassKeyboard, kEventHotKeyPressed}, GetParam()};

    EXPECT_EQ(hotKeyEventHandler(nullptr, &event, userData), noErr);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(events.press(GetParam()), 1);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(hotKeyEventHandler(nullptr, nullptr, userData), noErr);
    EXPECT_EQ(runs, 3);
}

INSTANTIATE_TEST_SUITE_P(Identifiers, HotKeyEventTest,
                         ::testing::Values(fnto, EventHotKeyID{0x464E544F, 2}, EventHotKeyID{0, 0},
                                           EventHotKeyID{0x41424344, 0xFFFFFFFF}));

// Without an X11 display (the tests run offscreen) nothing can be grabbed, and the program
// must run on regardless.
TEST(SystemEventManagerTest, WithoutX11EveryRegistrationFailsQuietly) {
    auto manager = createSystemEventManager();
    ASSERT_NE(manager, nullptr);
    auto hotKey = reinterpret_cast<EventHotKeyRef>(1);
    EXPECT_NE(manager->RegisterEventHotKey(kVK_ANSI_F, cmdKey | optionKey, fnto,
                                           manager->GetEventDispatcherTarget(), 0, &hotKey),
              noErr);
    EXPECT_EQ(hotKey, nullptr);

    int runs = 0;
    registerHotKey(*manager, [&runs] { ++runs; });
    unregisterHotKey(*manager);
    EXPECT_EQ(runs, 0);
}

} // namespace
