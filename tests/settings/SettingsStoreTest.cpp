// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString ide = QStringLiteral("org.example.Ide");
const QString shell = QStringLiteral("org.example.Shell");

TEST(SettingsStoreTest, RulesWrittenAreTheRulesReadBackAndRemovingOneKeepsTheOthers) {
    QTemporaryDir root;
    const SettingsStore store(root.path());
    EXPECT_FALSE(store.setRule(ide, true));
    EXPECT_FALSE(store.setRule(shell, false));
    EXPECT_FALSE(store.setRule(ide, false));
    EXPECT_FALSE(store.removeRule(shell));
    const RulesReading read = store.readRules();
    ASSERT_TRUE(read.rules) << read.failure.toStdString();
    EXPECT_EQ(read.rules->applications, (QHash<QString, bool>{{ide, false}}));
    // Removing what is not there is no failure.
    EXPECT_FALSE(store.removeRule(shell));
}

class DefaultModeTest : public ::testing::TestWithParam<std::optional<bool>> {};

// "No default" removes the key, also where there is none: the program then takes the mode in
// force when it first needs one.
TEST_P(DefaultModeTest, IsReadBackAsWritten) {
    QTemporaryDir root;
    const SettingsStore store(root.path());
    EXPECT_FALSE(store.setDefaultMode(GetParam()));
    EXPECT_FALSE(store.setDefaultMode(true));
    EXPECT_FALSE(store.setDefaultMode(GetParam()));
    const RulesReading read = store.readRules();
    ASSERT_TRUE(read.rules);
    EXPECT_EQ(read.rules->defaultMode, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Modes, DefaultModeTest,
                         ::testing::Values(std::optional<bool>(true), std::optional<bool>(false),
                                           std::nullopt));

TEST(SettingsStoreTest, IconColourIsReadBackAsWrittenAndMissingMeansAutomatic) {
    QTemporaryDir root;
    const SettingsStore store(root.path());
    EXPECT_EQ(store.iconColor(), IconColorPreference::automatic);
    for (const auto preference :
         {IconColorPreference::dark, IconColorPreference::light, IconColorPreference::automatic}) {
        EXPECT_FALSE(store.setIconColor(preference));
        EXPECT_EQ(store.iconColor(), preference);
    }
}

} // namespace
