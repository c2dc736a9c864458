// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/PanelIconCache.h"
#include "icon/FrameCache.h"
#include "icon/IconDrawing.h"
#include "tray/icons/NamedPixmapIcon.h"
#include "tray/icons/Tint.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// What a spinning icon costs at the panel's end: every frame is drawn once, and its icon made
// once per colour it is shown in, however many turns it makes.
TEST(SpinFrames, AFullTurnDrawsEachFrameOnceAndMakesItsIconOncePerColour) {
    FrameCache<IconImage> frames([](IconState state, double angle, qreal scale) {
        return makeImage({}, state, angle, scale);
    });
    PanelIconCache icons;
    // Fills `shown` with the icons handed out, by their cache keys.
    const auto turn = [&](const QColor &colour, QList<qint64> &shown) {
        double angle = 0;
        for (int tick = 0; tick < 30; ++tick) {
            angle = std::fmod(angle - 12, 360.0);
            PanelPicture picture;
            picture.isTemplate = true;
            picture.name = QString::number(angle);
            for (const qreal scale : {1.0, 2.0}) {
                const auto frame = frames.frame(IconState::workingFromOff, angle, scale);
                ASSERT_TRUE(frame);
                picture.representations.append(frame->image);
            }
            const QIcon icon = icons.icon(picture, {colour, false}, [&] {
                QList<QPixmap> pixmaps;
                for (const QImage &image : std::as_const(picture.representations))
                    pixmaps.append(QPixmap::fromImage(tinted(image, colour)));
                return namedPixmapIcon(QString(), pixmaps);
            });
            shown.append(icon.cacheKey());
        }
    };
    const QColor white(Qt::white), black(Qt::black);
    QList<qint64> first, second, other;
    turn(white, first);
    turn(white, second);
    EXPECT_EQ(second, first) << "the second turn hands out the same icons";
    EXPECT_EQ(frames.drawCount(), 60);
    EXPECT_EQ(icons.makeCount(), 30);
    turn(black, other);
    turn(white, other);
    EXPECT_EQ(frames.drawCount(), 60);
    EXPECT_EQ(icons.makeCount(), 60);
}

TEST(Tint, PaintsTheMarksInTheColourAndKeepsTheirCoverage) {
    const auto drawn = makeImage({}, IconState::on, 0, 2);
    ASSERT_TRUE(drawn);
    const QImage painted =
        tinted(drawn->image, QColor(0xee, 0xee, 0xec)).convertToFormat(QImage::Format_ARGB32);
    const QImage original = drawn->image.convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(painted.devicePixelRatio(), 2);
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
