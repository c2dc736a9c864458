#include "app/StatusMenu.h"

#include <QAction>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

TEST(StatusMenuTest, EntriesRunTheirOwnCallbackAndMissingOnesAreHarmless) {
    std::vector<std::string> ran;
    const auto menu = StatusMenu::buildMenu(
        true, {[&] { ran.push_back("toggle"); }, [&] { ran.push_back("about"); }, {}});
    const QList<QAction *> entries = menu->actions();
    ASSERT_EQ(entries.size(), 6);
    for (int i : {0, 1, 3, 5})
        entries[i]->trigger();
    EXPECT_EQ(ran, (std::vector<std::string>{"toggle", "about"}));
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
    EXPECT_EQ(menu->actions()[3]->text(), QStringLiteral("About Vantel…"));
}

} // namespace
