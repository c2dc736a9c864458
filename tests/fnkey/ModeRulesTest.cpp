// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// The rules per application against a real store: every change is one locked edit.
#include "fnkey/ModeRules.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace {

class ModeRulesTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString root = home.filePath(QStringLiteral("store"));
    ModeRules rules{root};
};

// Two writers add and remove applications of their own: nothing either does is lost.
TEST_F(ModeRulesTest, RacingWritersLoseNothing) {
    const auto writer = [this](QString prefix) {
        for (int i = 0; i < 40; ++i) {
            EXPECT_EQ(rules.remember(prefix + QString::number(i), i % 3 == 0), std::nullopt);
            EXPECT_EQ(i % 2 == 0 ? rules.forget(prefix + QString::number(i)) : std::nullopt,
                      std::nullopt);
        }
    };
    std::thread other(writer, QStringLiteral("org.a."));
    writer(QStringLiteral("org.b."));
    other.join();
    QHash<QString, bool> expected;
    for (int i = 1; i < 40; i += 2)
        for (const char *prefix : {"org.a.", "org.b."})
            expected.insert(QLatin1String(prefix) + QString::number(i), i % 3 == 0);
    EXPECT_EQ(rules.read().rules.value_or(StoredRules()).applications, expected);
}

// Nothing stored is no failure; a domain that cannot be read is, and it is left as it was.
TEST_F(ModeRulesTest, AnUnreadableStoreIsAFailure) {
    EXPECT_EQ(rules.forget(QStringLiteral("org.a")), std::nullopt);
    QFile file(root + QStringLiteral("/org.vantel.Vantel.plist"));
    ASSERT_TRUE(QDir().mkpath(root) && file.open(QIODevice::WriteOnly));
    file.write("not a property list");
    file.close();
    EXPECT_TRUE(!rules.read().rules && rules.read().failure.contains(file.fileName()));
    EXPECT_NE(rules.forget(QStringLiteral("org.a")), std::nullopt);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("not a property list"));
}

// A lock file left by `sudo defaults` is named, with its owner, by every change it stops.
TEST_F(ModeRulesTest, AForeignEntryIsNamedWithItsOwner) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to another user needs root";
    ASSERT_EQ(rules.remember(QStringLiteral("org.a"), true), std::nullopt);
    const QString lock = root + QStringLiteral("/.org.vantel.Vantel.plist.lock");
    ASSERT_EQ(::chown(QFile::encodeName(lock).constData(), 65534, 65534), 0);
    const QString owner = lock + QStringLiteral(" belongs to another user (uid 65534, nobody)");
    for (const RuleFailure &failed :
         {rules.remember(QStringLiteral("org.b"), true), rules.forget(QStringLiteral("org.a")),
          rules.setDefaultMode(false)})
        EXPECT_TRUE(failed.value_or(QString()).contains(owner))
            << failed.value_or(QString()).toStdString();
}

} // namespace
