// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/wlroots/FrontApplication.h"
#include "focus/ApplicationId.h"
#include "focus/wlroots/WlrFocusWatch.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QString own = QStringLiteral("org.vantel.Vantel");
const QString editor = QStringLiteral("org.gnome.TextEditor");
const QString terminal = QStringLiteral("foot");

struct FrontCase {
    const char *name;
    std::vector<ToplevelState> toplevels;
    QString current;
    std::optional<QString> front;
};

void PrintTo(const FrontCase &row, std::ostream *out) {
    *out << row.name;
}

class FrontApplicationTest : public ::testing::TestWithParam<FrontCase> {};

TEST_P(FrontApplicationTest, TheActiveWindowCountsUnlessItIsOurOwn) {
    const FrontCase &row = GetParam();
    EXPECT_EQ(frontApplication(row.toplevels, own, row.current), row.front);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FrontApplicationTest,
    ::testing::Values(
        FrontCase{"TheActiveOne", {{editor, false}, {terminal, true}}, editor, terminal},
        FrontCase{"NoneActive", {{editor, false}, {terminal, false}}, editor, QString()},
        FrontCase{"NoWindows", {}, editor, QString()},
        FrontCase{"OursActiveKeepsTheLast", {{editor, false}, {own, true}}, editor, std::nullopt},
        FrontCase{"OursAndAnotherSeats", {{own, true}, {terminal, true}}, editor, terminal},
        FrontCase{"TheLastStaysOnAnotherSeat", {{terminal, true}, {editor, true}}, editor, editor},
        FrontCase{"WithoutAnId", {{QString(), true}, {editor, false}}, editor, QString()}),
    [](const auto &row) { return row.param.name; });

TEST(OwnAppIdTest, IsWhatQtNamesTheProgramsWindows) {
    EXPECT_EQ(ownAppId(own + QStringLiteral(".desktop"), QStringLiteral("/usr/bin/vantel"), {}),
              own);
    EXPECT_EQ(ownAppId({}, QStringLiteral("/usr/bin/vantel"), {}), QStringLiteral("vantel"));
    EXPECT_EQ(ownAppId({}, QStringLiteral("/opt/vantel"), QStringLiteral("vantel.org")),
              QStringLiteral("org.vantel.vantel"));
}

TEST(UsableAppIdTest, NoJunkFromOtherProgramsReachesTheRules) {
    EXPECT_EQ(usableApplicationId(editor), editor);
    EXPECT_EQ(usableApplicationId(QStringLiteral("evil\nid")), QString());
    EXPECT_EQ(usableApplicationId(QString(256, QLatin1Char('a'))), QString());
}

// The tests run on the offscreen platform, where there is no compositor to ask.
TEST(WlrFocusWatchTest, OffWaylandItSaysWhyAndReportsNothing) {
    WlrFocusWatch watch;
    QSignalSpy availability(&watch, &FocusWatch::availabilityChanged);
    QSignalSpy changes(&watch, &FocusWatch::applicationChanged);
    watch.start();
    EXPECT_EQ(availability.count(), 1);
    EXPECT_FALSE(watch.unavailableReason().isEmpty());
    watch.stop();
    EXPECT_TRUE(watch.application().isEmpty());
    EXPECT_EQ(changes.count(), 0);
}

} // namespace
