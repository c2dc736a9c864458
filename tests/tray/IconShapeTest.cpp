// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "icon/IconShape.h"
#include "icon/IconDrawing.h"
#include "tray/icons/SymbolicIconFiles.h"
#include "tray/icons/Tint.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

struct ShapeCase {
    IconState state;
    double angle;
};

void PrintTo(const ShapeCase &c, std::ostream *os) {
    *os << int(c.state) << "@" << c.angle;
}

class IconShapeMatchesThePixels : public ::testing::TestWithParam<ShapeCase> {};

// The shape must be the same picture as the pixel image, or a panel showing the symbolic form
// would show another icon: filled at twice the size, it covers the same pixels.
TEST_P(IconShapeMatchesThePixels, CoversWhatTheImageCovers) {
    const IconStyle style;
    const qreal scale = 2;
    const auto drawn = makeImage(style, GetParam().state, GetParam().angle, scale);
    const auto shape = iconShape(style, GetParam().state, GetParam().angle);
    ASSERT_TRUE(drawn && shape);

    QImage filled(drawn->image.size(), QImage::Format_ARGB32_Premultiplied);
    filled.fill(Qt::transparent);
    QPainter painter(&filled);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.fillPath(*shape, Qt::black);
    painter.end();

    int differing = 0, covered = 0;
    for (int y = 0; y < filled.height(); ++y)
        for (int x = 0; x < filled.width(); ++x) {
            const int a = qAlpha(drawn->image.pixel(x, y));
            covered += a > 127;
            differing += std::abs(a - qAlpha(filled.pixel(x, y))) > 96;
        }
    EXPECT_GT(covered, 60);
    // Only edge pixels may round differently.
    EXPECT_LT(differing, filled.width() * filled.height() / 100) << differing;
}

INSTANTIATE_TEST_SUITE_P(States, IconShapeMatchesThePixels,
                         ::testing::Values(ShapeCase{IconState::off, 0},
                                           ShapeCase{IconState::on, 0},
                                           ShapeCase{IconState::workingFromOff, 0},
                                           ShapeCase{IconState::workingFromOff, -96},
                                           ShapeCase{IconState::workingFromOn, -12},
                                           ShapeCase{IconState::workingFromOn, -228}));

TEST(IconShape, WithoutTheModeGlyphThereIsNoShape) {
    struct Empty : SymbolLibrary {
        std::optional<Symbol> symbol(const QString &, const QString &) const override {
            return std::nullopt;
        }
        std::optional<ConfiguredSymbol> configured(const Symbol &, double,
                                                   SymbolWeight) const override {
            return std::nullopt;
        }
    } empty;
    EXPECT_FALSE(iconShape({}, IconState::off, 0, empty));
    const auto frameOnly = iconShape({}, IconState::workingFromOn, 0, empty);
    ASSERT_TRUE(frameOnly);
    EXPECT_NEAR(frameOnly->boundingRect().width(), 24, 0.01);
}

TEST(SymbolicSvg, IsOneFilledPathInTheGivenColour) {
    const auto shape = iconShape({}, IconState::on, 0);
    ASSERT_TRUE(shape);
    const QByteArray svg = symbolicSvg(*shape, QSizeF(24, 20), QColor(0xee, 0xee, 0xec));
    QXmlStreamReader xml(svg);
    int paths = 0;
    QString root, d, colour;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"svg") {
            root = xml.attributes().value(QStringLiteral("viewBox")).toString();
            colour = xml.attributes().value(QStringLiteral("color")).toString();
        }
        if (xml.isStartElement() && xml.name() == u"path") {
            ++paths;
            d = xml.attributes().value(QStringLiteral("d")).toString();
            EXPECT_EQ(xml.attributes().value(QStringLiteral("fill")), u"currentColor");
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(root, u"0 0 24 20");
    EXPECT_EQ(colour, u"#eeeeec");
    EXPECT_EQ(paths, 1);
    EXPECT_TRUE(d.startsWith(u'M'));
    EXPECT_FALSE(d.contains(u"nan") || d.contains(u"inf"));
}

// What a panel renders from the file is the drawn icon, in the colour the file was written for.
TEST(SymbolicSvg, RendersAsTheDrawnIcon) {
    const QColor colour(0x33, 0x66, 0x99);
    for (const IconState state : {IconState::off, IconState::workingFromOn}) {
        const auto drawn = makeImage({}, state, -60, 2);
        QSvgRenderer renderer(symbolicSvg(*iconShape({}, state, -60), QSizeF(24, 20), colour));
        ASSERT_TRUE(renderer.isValid());
        QImage rendered(drawn->image.size(), QImage::Format_ARGB32);
        rendered.fill(Qt::transparent);
        QPainter painter(&rendered);
        renderer.render(&painter);
        painter.end();
        int differing = 0;
        for (int y = 0; y < rendered.height(); ++y)
            for (int x = 0; x < rendered.width(); ++x) {
                const QRgb pixel = rendered.pixel(x, y);
                differing += std::abs(qAlpha(drawn->image.pixel(x, y)) - qAlpha(pixel)) > 96;
                if (qAlpha(pixel) == 255) {
                    ASSERT_EQ(QColor(pixel), colour) << x << "," << y;
                }
            }
        EXPECT_LT(differing, rendered.width() * rendered.height() / 100) << int(state);
    }
}

// Where nothing tells the colour, both forms ring the marks with the edge: the picture grows by
// the edge on every side, the marks keep their colour and every ringed pixel lies next to them.
TEST(EdgedIcon, PixmapAndFileShowTheMarksRingedAlike) {
    const auto drawn = makeImage({}, IconState::off, 0, 2);
    ASSERT_TRUE(drawn);
    const QImage pixmap =
        tintedWithEdge(drawn->image, Qt::black, Qt::white).convertToFormat(QImage::Format_ARGB32);
    const int margin = 2;
    ASSERT_EQ(pixmap.size(), drawn->image.size() + QSize(2 * margin, 2 * margin));
    EXPECT_EQ(pixmap.devicePixelRatio(), 2);
    QSvgRenderer renderer(
        symbolicSvg(*iconShape({}, IconState::off, 0), QSizeF(24, 20), Qt::black, Qt::white));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, 26, 22));
    QImage file(pixmap.size(), QImage::Format_ARGB32);
    file.fill(Qt::transparent);
    QPainter painter(&file);
    renderer.render(&painter);
    painter.end();
    int ring = 0, differing = 0;
    for (int y = 0; y < pixmap.height(); ++y)
        for (int x = 0; x < pixmap.width(); ++x) {
            const QRgb pixel = pixmap.pixel(x, y);
            const QRect inside = drawn->image.rect().translated(margin, margin);
            const int marks =
                inside.contains(x, y) ? qAlpha(drawn->image.pixel(x - margin, y - margin)) : 0;
            if (marks == 255) {
                ASSERT_EQ(QColor(pixel), QColor(Qt::black)) << x << "," << y;
            }
            if (qAlpha(pixel) == 255 && qGray(pixel) > 200)
                ++ring;
            // Light where the pixmap is light, dark where it is dark, give or take the
            // anti-aliasing along the outlines.
            const QRgb other = file.pixel(x, y);
            differing += qAlpha(pixel) > 200 &&
                         (qAlpha(other) < 56 || std::abs(qGray(pixel) - qGray(other)) > 128);
        }
    EXPECT_GT(ring, 200);
    EXPECT_LT(differing, pixmap.width() * pixmap.height() / 50);
}

} // namespace
