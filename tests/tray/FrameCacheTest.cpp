// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "icon/FrameCache.h"
#include "icon/IconDrawing.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct CountingDraw {
    std::optional<IconImage> operator()(IconState state, double angle, qreal scale) const {
        ++*calls;
        IconImage image{QImage(4, 4, QImage::Format_ARGB32_Premultiplied), true};
        image.image.fill(qRgba(int(state), int(std::fabs(angle)) % 256, int(scale * 10), 255));
        return image;
    }
    std::shared_ptr<int> calls = std::make_shared<int>(0);
};

TEST(FrameCache, AFullTurnDrawsEachFrameOnceAndLaterTurnsDrawNothing) {
    CountingDraw draw;
    FrameCache<IconImage> frames(draw);
    double angle = 0;
    for (int tick = 0; tick < 3 * 30; ++tick) {
        angle = std::fmod(angle - 12, 360.0);
        for (const qreal scale : {1.0, 2.0}) {
            ASSERT_TRUE(frames.frame(IconState::workingFromOn, angle, scale));
        }
        if (tick == 29) {
            EXPECT_EQ(*draw.calls, 60); // thirty frames at two scales
        }
    }
    EXPECT_EQ(*draw.calls, 60);
    EXPECT_EQ(frames.drawCount(), 60);

    // The other working state and the steady ones are frames of their own; a steady frame does
    // not depend on the angle it is asked with.
    frames.frame(IconState::workingFromOff, -12, 1);
    frames.frame(IconState::on, 0, 1);
    frames.frame(IconState::on, -96, 1);
    EXPECT_EQ(*draw.calls, 62);

    frames.clear();
    frames.frame(IconState::workingFromOn, -12, 1);
    EXPECT_EQ(*draw.calls, 63);
}

TEST(FrameCache, EqualAnglesShareAFrameWhateverTheirRounding) {
    CountingDraw draw;
    FrameCache<IconImage> frames(draw);
    const auto first = frames.frame(IconState::workingFromOff, 0.0, 1);
    for (const double same : {-0.0, 360.0, -360.0, 1e-9, 0.1 + 0.2 - 0.3})
        EXPECT_EQ(frames.frame(IconState::workingFromOff, same, 1)->image.cacheKey(),
                  first->image.cacheKey())
            << same;
    EXPECT_EQ(*draw.calls, 1);
    frames.frame(IconState::workingFromOff, -348, 1);
    frames.frame(IconState::workingFromOff, 12, 1);
    EXPECT_EQ(*draw.calls, 2); // -348 and 12 are one position
}

TEST(FrameCache, AStepThatNeverClosesTheCircleStaysBounded) {
    CountingDraw draw;
    FrameCache<IconImage> frames(draw, 50);
    double angle = 0;
    for (int tick = 0; tick < 1000; ++tick) {
        angle = std::fmod(angle - 360.0 * 0.7071 / 30, 360.0);
        ASSERT_TRUE(frames.frame(IconState::workingFromOn, angle, 1));
    }
    EXPECT_EQ(*draw.calls, 1000); // a fresh angle every tick, each drawn once
}

TEST(FrameCache, AMissingPictureIsKeptAsMissing) {
    int calls = 0;
    FrameCache<IconImage> frames([&](IconState, double, qreal) -> std::optional<IconImage> {
        ++calls;
        return std::nullopt;
    });
    EXPECT_FALSE(frames.frame(IconState::off, 0, 1));
    EXPECT_FALSE(frames.frame(IconState::off, 0, 1));
    EXPECT_EQ(calls, 1);
}

} // namespace
