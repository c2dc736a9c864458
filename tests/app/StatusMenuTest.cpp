// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/StatusMenu.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

TEST(StatusMenuTest, EntriesRunTheirOwnCallbackAndMissingOnesAreHarmless) {
    std::vector<std::string> ran;
    const auto menu = StatusMenu::buildMenu(
        true,
        {[&] { ran.push_back("toggle"); },
         [&] { ran.push_back("about"); },
         {},
         [&](bool remember) { ran.push_back(remember ? "remember" : "forget"); },
         [&] { ran.push_back("settings"); }},
        {QStringLiteral("Terminal"), false, {}});
    const QList<QAction *> entries = menu->actions();
    ASSERT_EQ(entries.size(), 9);
    for (int i : {0, 1, 2, 3, 5, 6, 8, 2})
        entries[i]->trigger();
    EXPECT_EQ(ran, (std::vector<std::string>{"toggle", "remember", "settings", "about", "forget"}));
}

TEST(StatusMenuTest, UpdatingTitlesTouchesOnlyTheFirstTwoEntriesThatExist) {
    QMenu empty;
    StatusMenu::updateMenuTitles(empty, true);
    EXPECT_TRUE(empty.actions().isEmpty());

    QMenu single;
    single.addAction(QStringLiteral("x"));
    StatusMenu::updateMenuTitles(single, true);
    EXPECT_EQ(single.actions()[0]->text(), QStringLiteral("Current: Standard F1, F2, etc."));

    const auto menu = StatusMenu::buildMenu(false, {});
    StatusMenu::updateMenuTitles(*menu, true);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Current: Standard F1, F2, etc."));
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Switch to Hardware Keys"));
    EXPECT_EQ(menu->actions()[5]->text(), QStringLiteral("Settings…"));
    EXPECT_EQ(menu->actions()[6]->text(), QStringLiteral("About Vantel…"));
}

struct RememberCase {
    const char *name;
    StatusMenu::Remember remember;
    QString title;
    bool enabled;
    bool checked;
};

class RememberEntryTest : public ::testing::TestWithParam<RememberCase> {};

// Built and shown again alike: a panel keeps its menu and only updates it.
TEST_P(RememberEntryTest, NamesTheApplicationOrSaysWhyNot) {
    const RememberCase &c = GetParam();
    const auto built = StatusMenu::buildMenu(true, {}, c.remember);
    const auto updated = StatusMenu::buildMenu(true, {}, {QStringLiteral("Other"), true, {}});
    StatusMenu::updateRememberEntry(*updated, c.remember);
    for (const QMenu *menu : {built.get(), updated.get()}) {
        const QList<QAction *> entries = menu->actions();
        EXPECT_EQ(entries[2]->text(), c.title);
        EXPECT_EQ(entries[2]->isEnabled(), c.enabled);
        EXPECT_EQ(entries[2]->isChecked(), c.checked);
        EXPECT_EQ(entries[3]->isVisible(), !c.remember.unavailable.isEmpty());
        EXPECT_EQ(entries[3]->text(), c.remember.unavailable);
        EXPECT_FALSE(entries[3]->isEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RememberEntryTest,
    ::testing::Values(RememberCase{"Remembered",
                                   {QStringLiteral("Terminal"), true, {}},
                                   QStringLiteral("Remember for Terminal"),
                                   true,
                                   true},
                      RememberCase{"NotRemembered",
                                   {QStringLiteral("Terminal"), false, {}},
                                   QStringLiteral("Remember for Terminal"),
                                   true,
                                   false},
                      RememberCase{"NothingInFront",
                                   {{}, false, {}},
                                   QStringLiteral("Remember for This Application"),
                                   false,
                                   false},
                      RememberCase{"Unavailable",
                                   {{}, false, QStringLiteral("Turn it on")},
                                   QStringLiteral("Remember for This Application"),
                                   false,
                                   false}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
