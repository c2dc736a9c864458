// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "icon/IconDrawing.h"
#include "IconPixels.h"
#include "support/FakeSymbolLibrary.h"

#include <gtest/gtest.h>

namespace {

// Pixel centres of the image in icon space (y up), at the image's own scale.
template <typename F> void forEachPixel(const QImage &image, F &&f) {
    const qreal scale = image.devicePixelRatio();
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            f(QPointF((column + 0.5) / scale, (image.height() - row - 0.5) / scale));
}

struct FitCase {
    const char *name;
    QSizeF symbol;
    QRectF expected;
    friend void PrintTo(const FitCase &fit, std::ostream *out) { *out << fit.name; }
};

class AspectFit : public ::testing::TestWithParam<FitCase> {};

// Each fit is checked as a rectangle and as the pixels a box-filling symbol covers in the `off`
// image at 2x, where every expected edge lies on a pixel boundary.
TEST_P(AspectFit, FitsTheContentBoxAndLandsThere) {
    const IconStyle style;
    EXPECT_EQ(aspectFitRect(GetParam().symbol, contentBox(style)), GetParam().expected);

    FakeSymbolLibrary symbols;
    symbols.addBlock(QStringLiteral("function"), GetParam().symbol);
    const QImage image = offImage(style, 2, symbols)->image;
    const QRectF box = contentBox(style);
    forEachPixel(image, [&](QPointF p) {
        if (box.contains(p)) {
            EXPECT_NEAR(alphaAt(image, p), GetParam().expected.contains(p) ? 255 : 0, 1)
                << p.x() << "," << p.y();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Icon, AspectFit,
                         ::testing::Values(FitCase{"Narrower", {16, 14}, {4, 3, 16, 14}},
                                           FitCase{"Wider", {20, 10}, {3, 5.5, 18, 9}},
                                           FitCase{"Enlarged", {8, 7}, {4, 3, 16, 14}},
                                           FitCase{"SameAspect", {18, 14}, {3, 3, 18, 14}},
                                           FitCase{"ZeroWidth", {0, 7}, {11.999, 3, 0.002, 14}},
                                           FitCase{"ZeroHeight", {9, 0}, {3, 9.999, 18, 0.002}}),
                         [](const auto &testCase) { return std::string(testCase.param.name); });

// The outline follows (0.5, 0.5, w - 1, h - 1) whatever the line width, so a wide stroke loses
// its outer part beyond the image edge.
class Outline : public ::testing::TestWithParam<std::pair<double, int>> {};

TEST_P(Outline, IsStrokedAlongTheHalfPointInset) {
    const auto [lineWidth, visiblePixels] = GetParam();
    FakeSymbolLibrary symbols;
    symbols.addBlock(QStringLiteral("function"), {0, 0}); // no glyph drawn
    const QImage image = offImage({.lineWidth = lineWidth}, 1, symbols)->image;
    for (int depth = 0; depth < 4; ++depth) {
        const int expected = depth < visiblePixels ? 255 : 0;
        const double in = depth + 0.5;
        EXPECT_EQ(alphaAt(image, {in, 10.5}), expected) << "left, depth " << depth;
        EXPECT_EQ(alphaAt(image, {24 - in, 10.5}), expected) << "right, depth " << depth;
        EXPECT_EQ(alphaAt(image, {12.5, in}), expected) << "bottom, depth " << depth;
        EXPECT_EQ(alphaAt(image, {12.5, 20 - in}), expected) << "top, depth " << depth;
    }
    if (lineWidth == 1) {
        EXPECT_EQ(alphaAt(image, {0.5, 0.5}), 0) << "the corner is rounded";
    }
}

INSTANTIATE_TEST_SUITE_P(Icon, Outline,
                         ::testing::Values(std::pair{1.0, 1}, std::pair{3.0, 2}, std::pair{5.0, 3}),
                         [](const auto &testCase) {
                             return "LineWidth" + std::to_string(int(testCase.param.first));
                         });

TEST(IconDrawing, OnImageIsABlackFrameWithAGlyphShapedHole) {
    const IconStyle style{.fillUsesTemplateTint = false};
    const IconImage on = *onImage(style, 2);
    const QImage glyph = offImage(style, 2)->image; // inside the content box: the glyph alone
    EXPECT_FALSE(on.isTemplate);
    int holePixels = 0;
    forEachPixel(on.image, [&](QPointF p) {
        const QColor pixel = pixelAt(on.image, p);
        if (pixel.alpha() > 0) {
            EXPECT_EQ(pixel.rgb() & 0xffffff, 0u) << "drawn in black";
        }
        if (contentBox(style).contains(p)) {
            EXPECT_NEAR(pixel.alpha(), 255 - alphaAt(glyph, p), 1) << p.x() << "," << p.y();
            holePixels += pixel.alpha() == 0;
        } else if (QRectF(1, 6, 22, 8).contains(p)) {
            EXPECT_EQ(pixel.alpha(), 255) << p.x() << "," << p.y();
        }
    });
    EXPECT_GT(holePixels, 60);
    EXPECT_EQ(alphaAt(on.image, {0.25, 0.25}), 0) << "the corner is rounded";
}

// The built-in arrows are symmetric under a half turn, so the direction is checked with a
// lopsided symbol: a block in the top-left quarter of its artwork must stand upright and go to
// the top-right when turned clockwise.
TEST(IconDrawing, ArtworkStandsUprightAndNegativeAnglesTurnClockwise) {
    FakeSymbolLibrary symbols;
    QPainterPath lopsided;
    lopsided.addRect(0, 0, 1, 1);
    lopsided.addRect(1.9, 1.9, 0.1, 0.1); // y down: top-left block, tiny bottom-right anchor
    symbols.entries[QStringLiteral("arrow.triangle.2.circlepath")] = {lopsided, {14, 14}};
    const QImage upright = workingFromOffImage({}, 0, 1, symbols).image;
    const QImage turned = workingFromOffImage({}, -90, 1, symbols).image;
    EXPECT_EQ(alphaAt(upright, {8, 14}), 255);
    EXPECT_EQ(alphaAt(upright, {16, 6}), 0);
    EXPECT_EQ(alphaAt(turned, {16, 14}), 255);
    EXPECT_EQ(alphaAt(turned, {8, 14}), 0);
}

TEST(IconDrawing, QuarterTurnClockwiseAboutTheImageCentre) {
    FakeSymbolLibrary noArrows;
    for (const qreal scale : {1.0, 2.0}) {
        const QImage frame = workingFromOffImage({}, 0, scale, noArrows).image;
        const QImage upright = workingFromOffImage({}, 0, scale).image;
        const QImage turned = workingFromOffImage({}, -90, scale).image;
        int compared = 0;
        forEachPixel(turned, [&](QPointF p) {
            // Viewed clockwise is y-up clockwise: (dx, dy) came from (-dy, dx).
            const QPointF from(12 - (p.y() - 10), 10 + (p.x() - 12));
            if (alphaAt(frame, p) || !fillRect({}).contains(from) || alphaAt(frame, from))
                return;
            EXPECT_NEAR(alphaAt(turned, p), alphaAt(upright, from), 24) << p.x() << "," << p.y();
            compared += alphaAt(turned, p) > 128;
        });
        EXPECT_GT(compared, 40 * scale * scale) << "scale " << scale;
    }
}

TEST(IconDrawing, MissingSymbolsFollowTheirFallbacks) {
    FakeSymbolLibrary none;
    EXPECT_FALSE(offImage({}, 1, none));
    EXPECT_FALSE(onImage({}, 1, none));
    EXPECT_EQ(none.requests,
              QStringList({"function/Vantel", "fx/Vantel", "function/Vantel", "fx/Vantel"}));

    FakeSymbolLibrary fxOnly;
    fxOnly.addBlock(QStringLiteral("fx"), {18, 14});
    const auto fallback = offImage({.glyphPointSize = 17}, 1, fxOnly);
    ASSERT_TRUE(fallback);
    EXPECT_EQ(alphaAt(fallback->image, {12, 10}), 255);
    EXPECT_EQ(fxOnly.requests, QStringList({"function/Vantel", "fx/Vantel", "fx@17"}));

    // Without arrows the working images hold their frame alone, template flag as usual.
    FakeSymbolLibrary unconfigurable;
    unconfigurable.addBlock(QStringLiteral("arrow.triangle.2.circlepath"), {18, 14});
    unconfigurable.entries.first().configurable = false;
    for (const FakeSymbolLibrary *symbols : {&none, &unconfigurable}) {
        const IconImage outline = workingFromOffImage({}, 30, 1, *symbols);
        const IconImage filled = workingFromOnImage({.arrowPointSize = 9}, 30, 1, *symbols);
        EXPECT_TRUE(outline.isTemplate && filled.isTemplate);
        forEachPixel(outline.image, [&](QPointF p) {
            if (contentBox({}).contains(p)) {
                ASSERT_EQ(alphaAt(outline.image, p), 0);
                ASSERT_EQ(alphaAt(filled.image, p), 255);
            }
        });
    }
    EXPECT_TRUE(unconfigurable.requests.contains("arrow.triangle.2.circlepath/Working"));
    EXPECT_TRUE(unconfigurable.requests.contains("arrow.triangle.2.circlepath@9"));
}

TEST(IconDrawing, EachStateTakesItsFrameAndTemplateFlag) {
    const IconStyle style{.outlineUsesTemplateTint = true, .fillUsesTemplateTint = false};
    for (const IconState state :
         {IconState::off, IconState::on, IconState::workingFromOff, IconState::workingFromOn}) {
        const bool filled = (int(state) & 1) != 0;
        const auto image = makeImage(style, state, 0, 2);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->isTemplate, !filled) << int(state);
        EXPECT_EQ(image->image.size(), QSize(48, 40));
        EXPECT_EQ(image->image.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(alphaAt(image->image, {1.25, 10}), filled ? 255 : 0) << int(state);
    }
    EXPECT_EQ(makeImage(style, IconState::on, 0)->image, onImage(style)->image);
    EXPECT_EQ(makeImage(style, IconState::workingFromOn, -36)->image,
              workingFromOnImage(style, -36).image);
}

TEST(IconDrawing, BuiltInLibraryKnowsExactlyItsThreeSymbols) {
    const SymbolLibrary &symbols = builtInSymbols();
    for (const char *name : {"function", "fx", "arrow.triangle.2.circlepath"}) {
        const auto symbol = symbols.symbol(QLatin1String(name), QStringLiteral("Working"));
        ASSERT_TRUE(symbol) << name;
        EXPECT_EQ(symbol->accessibilityDescription, QStringLiteral("Working"));
        const auto small = symbols.configured(*symbol, 13, SymbolWeight::regular);
        const auto large = symbols.configured(*symbol, 26, SymbolWeight::regular);
        EXPECT_GT(small->size.width(), 5) << name;
        EXPECT_GT(small->size.height(), 5) << name;
        EXPECT_EQ(large->size, small->size * 2) << name;
    }
    for (const char *name : {"", "Function", "arrow", "arrow.triangle.2.circlepath "})
        EXPECT_FALSE(symbols.symbol(QLatin1String(name), QStringLiteral("Vantel"))) << name;
}

} // namespace
