// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "AppIcon.h"

#include <QPainter>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

// Pixels whose coverage differs by more than a third, as a share of the icon's painted pixels.
double mismatch(const QImage &a, const QImage &b) {
    int painted = 0;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int alphaA = qAlpha(a.pixel(x, y));
            const int alphaB = qAlpha(b.pixel(x, y));
            painted += alphaA > 127;
            differing += std::abs(alphaA - alphaB) > 85;
        }
    }
    return painted ? double(differing) / painted : 1;
}

class AppIconSizeTest : public testing::TestWithParam<int> {};

// The SVG is the same picture as the PNGs the panel icon's code draws: same place, same cut-out.
// Sizes where the PNG lands on whole pixels; smaller ones may sit half a pixel off.
TEST_P(AppIconSizeTest, SvgMatchesTheDrawnImage) {
    const int size = GetParam();
    const QImage drawn = appIconImage(size);
    ASSERT_EQ(QSize(size, size), drawn.size());

    QSvgRenderer renderer(appIconSvg(256));
    ASSERT_TRUE(renderer.isValid());
    QImage rendered(size, size, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    renderer.render(&painter);
    painter.end();

    EXPECT_LT(mismatch(drawn, rendered), 0.03);
}

INSTANTIATE_TEST_SUITE_P(Sizes, AppIconSizeTest, testing::Values(64, 128, 256));

TEST(AppIconTest, GlyphIsCutOutOfTheFrame) {
    const QImage icon = appIconImage(64);
    // The frame's middle row runs through the glyph: opaque frame, then see-through strokes.
    int transparentInside = 0;
    for (int x = 12; x < 52; ++x)
        transparentInside += qAlpha(icon.pixel(x, 32)) < 32;
    EXPECT_GT(transparentInside, 2);
    EXPECT_EQ(255, qAlpha(icon.pixel(8, 32)));
    EXPECT_EQ(0, qAlpha(icon.pixel(0, 0)));
    EXPECT_EQ(appIconColor().rgb() & 0xffffff, icon.pixel(8, 32) & 0xffffff);
}

} // namespace
