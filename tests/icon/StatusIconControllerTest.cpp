// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "status/StatusIconController.h"

#include "icon/IconDrawing.h"
#include "support/FakeStatusBar.h"
#include "support/FakeSymbolLibrary.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Runs the event loop until `done` holds; the deadline only keeps a broken build from hanging.
bool runUntil(const std::function<bool()> &done, int deadlineMs = 10000) {
    QDeadlineTimer deadline(deadlineMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return done();
}

void runFor(int ms) {
    runUntil([] { return false; }, ms);
}

// 300 ticks a second keeps the tests short; 10 turns a second makes that 12 degrees a tick.
constexpr IconStyle fastSpin{.spinsPerSecond = 10, .frameRate = 300};

IconStyle withSpeed(IconStyle style, double spinsPerSecond) {
    style.spinsPerSecond = spinsPerSecond;
    return style;
}

struct DirectionCase {
    double given;
    SpinDirection direction;
    double kept;
};

class SpinDirectionTest : public ::testing::TestWithParam<DirectionCase> {};

// The sign is set, not flipped: a style already turning the asked way keeps its value.
TEST_P(SpinDirectionTest, TheDirectionSetsTheSignAndKeepsTheMagnitude) {
    const StatusIconController icons(withSpeed(fastSpin, GetParam().given), GetParam().direction);
    EXPECT_EQ(icons.style().spinsPerSecond, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Speeds, SpinDirectionTest,
                         ::testing::Values(DirectionCase{1, SpinDirection::clockwise, -1},
                                           DirectionCase{-2, SpinDirection::clockwise, -2},
                                           DirectionCase{0.5, SpinDirection::clockwise, -0.5},
                                           DirectionCase{-3, SpinDirection::counterclockwise, 3},
                                           DirectionCase{4, SpinDirection::counterclockwise, 4}));

class SpinningController : public ::testing::Test {
protected:
    SpinningController() {
        button.onImage = [this] { angles.push_back(icons.angle()); };
    }

    // Waits for `count` more spinning images; a busy machine may deliver a few more.
    void waitForImages(size_t count) {
        const size_t target = angles.size() + count;
        ASSERT_TRUE(runUntil([&] { return angles.size() >= target; }));
    }

    std::vector<double> firstAngles(size_t count) const {
        return {angles.begin(), angles.begin() + std::min(count, angles.size())};
    }

    StatusIconController icons{fastSpin, SpinDirection::counterclockwise};
    FakeButton button;
    std::vector<double> angles;
};

TEST_F(SpinningController, SteadyStatesAreSetAtOnceAtBothScales) {
    icons.show(IconState::on, &button);
    ASSERT_EQ(button.calls.size(), 1u);
    const FakeButton::Call &call = button.calls.front();
    ASSERT_EQ(call.images.size(), 2);
    EXPECT_EQ(call.images[0], onImage(fastSpin, 1)->image);
    EXPECT_EQ(call.images[1], onImage(fastSpin, 2)->image);
    EXPECT_EQ(call.images[1].devicePixelRatio(), 2);
    EXPECT_TRUE(call.isTemplate);

    icons.show(IconState::off, &button);
    EXPECT_EQ(button.calls.back().images[0], offImage(fastSpin)->image);
    EXPECT_EQ(icons.angle(), 0);
    EXPECT_FALSE(icons.isSpinning());
}

TEST_F(SpinningController, SteadyStateBeforeTheFirstTickShowsNoSpinningImage) {
    icons.show(IconState::workingFromOff, &button);
    EXPECT_TRUE(button.calls.empty()) << "the previous image stays until the first tick";
    EXPECT_TRUE(icons.isSpinning());
    icons.show(IconState::on, &button);
    runFor(100);
    ASSERT_EQ(button.calls.size(), 1u);
    EXPECT_EQ(button.calls.front().images[0], onImage(fastSpin)->image);
    EXPECT_FALSE(icons.isSpinning());
    EXPECT_FALSE(icons.animatedState());
}

// A second spin at twice the speed: any tick of a leftover first timer would break the steps.
TEST_F(SpinningController, SecondWorkingStateLeavesOneTimerAndRestartsTheAngle) {
    icons.show(IconState::workingFromOff, &button);
    waitForImages(3);
    EXPECT_EQ(firstAngles(3), std::vector<double>({12, 24, 36}));

    icons.setStyle(withSpeed(fastSpin, 20));
    icons.show(IconState::workingFromOn, &button);
    EXPECT_EQ(icons.angle(), 0);
    angles.clear();
    const size_t firstCall = button.calls.size();
    waitForImages(6);
    EXPECT_EQ(firstAngles(6), std::vector<double>({24, 48, 72, 96, 120, 144}));
    EXPECT_EQ(button.calls[firstCall + 5].images[0], workingFromOnImage(icons.style(), 144).image);
    EXPECT_EQ(icons.animatedState(), IconState::workingFromOn);
}

TEST_F(SpinningController, ThirtyClockwiseTicksComeBackToNegativeZero) {
    icons.setStyle(withSpeed(fastSpin, -10));
    icons.show(IconState::workingFromOff, &button);
    waitForImages(31);
    icons.show(IconState::off, &button);
    EXPECT_EQ(angles[0], -12);
    EXPECT_EQ(angles[28], -348);
    EXPECT_EQ(angles[29], 0);
    EXPECT_TRUE(std::signbit(angles[29])) << "fmod keeps the dividend's sign";
    EXPECT_EQ(angles[30], -12);
    EXPECT_EQ(icons.angle(), 0);
}

// Prepared ahead, a spin only hands out what is ready: the frames it shows are the ones made
// ready, in the same order, and none is drawn again.
TEST_F(SpinningController, APreparedSpinDrawsNothingNew) {
    icons.prepareSpin(IconState::workingFromOff, &button);
    EXPECT_TRUE(button.calls.empty()) << "preparing shows nothing";
    ASSERT_TRUE(runUntil([&] { return !icons.isPreparing(); }));
    ASSERT_EQ(button.prepared.size(), 30);
    EXPECT_EQ(QSet<QString>(button.prepared.begin(), button.prepared.end()).size(), 30);
    const int drawn = icons.drawCount();
    EXPECT_EQ(drawn, 60) << "one turn at two scales";

    icons.show(IconState::workingFromOff, &button);
    waitForImages(60);
    icons.show(IconState::off, &button);
    EXPECT_EQ(icons.drawCount(), drawn + 2) << "only the steady picture is new";
    for (int tick = 0; tick < 30; ++tick)
        EXPECT_EQ(button.calls[tick].name, button.prepared[tick]) << tick;

    // New panel colours: the same frames are made ready again, for the button to redo.
    button.prepared.clear();
    emit button.preparedImagesOutdated();
    ASSERT_TRUE(runUntil([&] { return button.prepared.size() == 30 && !icons.isPreparing(); }));
    EXPECT_EQ(icons.drawCount(), drawn + 2) << "the drawings themselves are kept";

    // Steady states, a button that has gone, and a style change all end the preparing.
    icons.prepareSpin(IconState::on, &button);
    EXPECT_FALSE(icons.isPreparing());
    auto gone = std::make_unique<FakeButton>();
    icons.prepareSpin(IconState::workingFromOn, gone.get());
    gone.reset();
    runFor(50);
    EXPECT_FALSE(icons.isPreparing());
    icons.prepareSpin(IconState::workingFromOn, &button);
    icons.setStyle(fastSpin);
    EXPECT_FALSE(icons.isPreparing());
}

TEST_F(SpinningController, StyleChangesTakeEffectWhenDue) {
    icons.show(IconState::workingFromOff, &button);
    waitForImages(2);
    // The speed only at the next start of a spin, the size at the next image.
    IconStyle changed = withSpeed(fastSpin, -1);
    changed.size = {.width = 30, .height = 25};
    icons.setStyle(changed);
    waitForImages(2);
    for (size_t tick = 0; tick < angles.size(); ++tick)
        EXPECT_EQ(angles[tick], 12.0 * double(tick + 1));
    EXPECT_EQ(button.calls.back().images[0].size(), QSize(30, 25));
    EXPECT_EQ(button.calls.back().images[1].size(), QSize(60, 50));
}

// At one tick a second or slower every tick adds a whole turn: the arrows stand still.
TEST_F(SpinningController, SlowFrameRateDrawsEveryFrameAtZero) {
    icons.setStyle({.spinsPerSecond = -1, .frameRate = 0.5});
    icons.show(IconState::workingFromOn, &button);
    waitForImages(2);
    EXPECT_EQ(firstAngles(2), std::vector<double>({0, 0}));
    EXPECT_EQ(button.calls.back().images[0], workingFromOnImage(icons.style(), 0).image);
}

TEST_F(SpinningController, DestroyedButtonOrControllerMakesTicksDoNothing) {
    auto doomed = std::make_unique<FakeButton>();
    icons.show(IconState::workingFromOff, doomed.get());
    doomed.reset();
    runFor(60);
    EXPECT_EQ(icons.angle(), 0);
    EXPECT_TRUE(icons.isSpinning()) << "only show stops the timer";

    icons.show(IconState::off, &button);
    EXPECT_EQ(button.calls.size(), 1u);

    auto shortLived =
        std::make_unique<StatusIconController>(fastSpin, SpinDirection::counterclockwise);
    shortLived->show(IconState::workingFromOn, &button);
    shortLived.reset();
    runFor(60);
    EXPECT_EQ(button.calls.size(), 1u);
}

TEST(StatusIconController, MissingGlyphClearsTheButtonButSpinsKeepTheFrame) {
    FakeSymbolLibrary none;
    StatusIconController icons(fastSpin, SpinDirection::counterclockwise, none, {1});
    FakeButton button;
    icons.show(IconState::off, &button);
    ASSERT_EQ(button.calls.size(), 1u);
    EXPECT_TRUE(button.calls.front().images.isEmpty());

    icons.show(IconState::workingFromOn, &button);
    ASSERT_TRUE(runUntil([&] { return button.calls.size() >= 2; }));
    ASSERT_EQ(button.calls[1].images.size(), 1);
    EXPECT_EQ(button.calls[1].images[0], workingFromOnImage(fastSpin, 0, 1, none).image);
}

} // namespace
