#include "platform/TintedPixmaps.h"
#include "icon/FrameCache.h"
#include "icon/IconDrawing.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// What a spinning icon costs at the panel's end: every frame is drawn once, and painted once per
// colour it is shown in, however many turns it makes.
TEST(SpinFrames, AFullTurnDrawsEachFrameOnceAndPaintsItOncePerColour) {
    FrameCache<IconImage> frames([](IconState state, double angle, qreal scale) {
        return makeImage({}, state, angle, scale);
    });
    TintedPixmaps pixmaps;
    const auto turn = [&](const QColor &colour) {
        double angle = 0;
        for (int tick = 0; tick < 30; ++tick) {
            angle = std::fmod(angle - 12, 360.0);
            for (const qreal scale : {1.0, 2.0}) {
                const auto frame = frames.frame(IconState::workingFromOff, angle, scale);
                ASSERT_TRUE(frame);
                const QImage painted = pixmaps.pixmap(frame->image, colour).toImage();
                ASSERT_EQ(painted.size(), frame->image.size());
            }
        }
    };
    const QColor white(Qt::white), black(Qt::black);
    turn(white);
    turn(white);
    EXPECT_EQ(frames.drawCount(), 60);
    EXPECT_EQ(pixmaps.paintCount(), 60);
    turn(black);
    turn(white);
    EXPECT_EQ(frames.drawCount(), 60);
    EXPECT_EQ(pixmaps.paintCount(), 120);
}

TEST(TintedPixmaps, PaintsTheMarksInTheColourAndKeepsTheirCoverage) {
    const auto drawn = makeImage({}, IconState::on, 0, 2);
    ASSERT_TRUE(drawn);
    TintedPixmaps pixmaps;
    const QImage painted = pixmaps.pixmap(drawn->image, QColor(0xee, 0xee, 0xec))
                               .toImage()
                               .convertToFormat(QImage::Format_ARGB32);
    const QImage original = drawn->image.convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x) {
            ASSERT_EQ(qAlpha(painted.pixel(x, y)), qAlpha(original.pixel(x, y)));
            if (qAlpha(painted.pixel(x, y)) == 255) {
                ++opaque;
                ASSERT_EQ(QColor(painted.pixel(x, y)), QColor(0xee, 0xee, 0xec));
            }
        }
    EXPECT_GT(opaque, 100);
}

} // namespace
