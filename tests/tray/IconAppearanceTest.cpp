// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/colours/IconAppearance.h"
#include "tray/icons/NamedPixmapIcon.h"
#include "tray/icons/SymbolicIconFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QColor trayGrey(0xaa, 0xbb, 0xcc);
const QColor paletteBlack(0, 0, 0);

struct ChoiceCase {
    const char *name;
    IconColorPreference preference;
    PanelColorHints hints;
    IconAppearance expected;
};

void PrintTo(const ChoiceCase &c, std::ostream *os) {
    *os << c.name;
}

class IconColourChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(IconColourChoice, FollowsWhatThePanelOrDesktopTells) {
    EXPECT_EQ(chooseIconAppearance(GetParam().preference, GetParam().hints), GetParam().expected);
}

using P = IconColorPreference;
INSTANTIATE_TEST_SUITE_P(
    Hints, IconColourChoice,
    ::testing::Values(ChoiceCase{"trayColoursWin",
                                 P::automatic,
                                 {false, trayGrey, true, paletteBlack},
                                 {trayGrey, false}},
                      ChoiceCase{"trayWithoutColoursDarkDesktop",
                                 P::automatic,
                                 {false, std::nullopt, true, paletteBlack},
                                 {lightIconColor, false}},
                      ChoiceCase{"trayWithoutColoursNoHints",
                                 P::automatic,
                                 {false, std::nullopt, std::nullopt, paletteBlack},
                                 {paletteBlack, false, false, lightIconColor}},
                      // Nothing tells: the palette's colour, ringed by its opposite.
                      ChoiceCase{"nothingTellsLightText",
                                 P::automatic,
                                 {false, std::nullopt, std::nullopt, QColor(0xee, 0xee, 0xec)},
                                 {QColor(0xee, 0xee, 0xec), false, false, darkIconColor}},
                      // A notifier host: the symbolic name, pictures in the scheme's colour; the
                      // XEmbed tray's colours do not concern it.
                      ChoiceCase{"notifierDark",
                                 P::automatic,
                                 {true, trayGrey, true, paletteBlack},
                                 {lightIconColor, true}},
                      ChoiceCase{"notifierLight",
                                 P::automatic,
                                 {true, std::nullopt, false, paletteBlack},
                                 {darkIconColor, true}},
                      ChoiceCase{"notifierNoPreference",
                                 P::automatic,
                                 {true, std::nullopt, std::nullopt, paletteBlack},
                                 {paletteBlack, true, false, lightIconColor}},
                      // The user's word beats everything and is never recoloured by a host.
                      ChoiceCase{"forcedLightOnTray",
                                 P::light,
                                 {false, trayGrey, false, paletteBlack},
                                 {lightIconColor, false}},
                      ChoiceCase{"forcedDarkOnNotifier",
                                 P::dark,
                                 {true, std::nullopt, true, paletteBlack},
                                 {darkIconColor, false}}),
    [](const auto &param) { return std::string(param.param.name); });

TEST(IconColourPreference, ReadsLightAndDarkAndTreatsEverythingElseAsAutomatic) {
    EXPECT_EQ(iconColorPreference(QStringLiteral(" Light\n")), P::light);
    EXPECT_EQ(iconColorPreference(QStringLiteral("DARK")), P::dark);
    for (const char *other : {"auto", "", "lightish", "white", "1"})
        EXPECT_EQ(iconColorPreference(QString::fromLatin1(other)), P::automatic) << other;
}

// Qt hands a StatusNotifierItem host squares and re-reads them on every frame of a spin: the
// icon has them ready, each made once, the picture centred and never scaled where it fits.
TEST(NamedPixmapIcon, CarriesItsNameAndHandsOutSquaresMadeOnce) {
    QPixmap small(24, 20), large(48, 40);
    small.fill(Qt::red);
    large.fill(Qt::blue);
    const QIcon icon = namedPixmapIcon(QStringLiteral("vantel-on-symbolic"), {small, large});
    EXPECT_EQ(icon.name(), u"vantel-on-symbolic");
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{24, 24}, {48, 48}}));

    struct Case {
        QSize size;
        QPoint inside, outside;
        QRgb colour;
    };
    const Case cases[] = {{{24, 24}, {12, 2}, {12, 1}, QColor(Qt::red).rgba()},
                          {{48, 48}, {24, 4}, {24, 3}, QColor(Qt::blue).rgba()},
                          // Scaled down from the largest square.
                          {{22, 22}, {11, 11}, {11, 0}, QColor(Qt::blue).rgba()}};
    for (const Case &c : cases) {
        const QPixmap first = icon.pixmap(c.size);
        ASSERT_EQ(first.size(), c.size);
        EXPECT_EQ(first.devicePixelRatio(), 1);
        const QImage image = first.toImage();
        EXPECT_EQ(image.pixel(c.inside), c.colour) << c.size.width();
        EXPECT_EQ(qAlpha(image.pixel(c.outside)), 0) << c.size.width();
        EXPECT_EQ(icon.pixmap(c.size).cacheKey(), first.cacheKey()) << "made once";
    }
}

TEST(SymbolicIconFiles, WritesEachFileOnceAndReportsAFailure) {
    QTemporaryDir dir;
    const QString status = dir.filePath(QStringLiteral("icons/hicolor/scalable/status"));
    SymbolicIconFiles files(status);
    ASSERT_TRUE(files.provide(QStringLiteral("a-symbolic"), "<svg/>"));
    QFile written(status + QStringLiteral("/a-symbolic.svg"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "<svg/>");

    // A blocked directory: the caller learns it and can fall back to pixmaps.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SymbolicIconFiles blocked(dir.filePath(QStringLiteral("file/status")));
    EXPECT_FALSE(blocked.provide(QStringLiteral("b-symbolic"), "<svg/>"));
}

} // namespace
