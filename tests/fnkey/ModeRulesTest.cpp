// The rules per application against a real store: every change is one locked edit, and what
// cannot be read or written says so.
#include "fnkey/ModeRules.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <pwd.h>
#include <thread>
#include <unistd.h>

namespace {

class ModeRulesTest : public ::testing::Test {
protected:
    QString root() const { return home.filePath(QStringLiteral("vantel-preferences")); }
    QByteArray domainBytes() const {
        QFile file(root() + QStringLiteral("/org.vantel.Vantel.plist"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir home;
    ModeRules rules{root()};
};

// Two writers each add and remove applications of their own: whatever one does while the other
// is between its reading and its writing survives.
TEST_F(ModeRulesTest, RacingWritersLoseNothing) {
    constexpr int rounds = 40;
    const auto writer = [this](const QString &prefix) {
        for (int i = 0; i < rounds; ++i) {
            const QString application = prefix + QString::number(i);
            EXPECT_EQ(rules.remember(application, i % 3 == 0), std::nullopt);
            if (i % 2 == 0)
                EXPECT_EQ(rules.forget(application), std::nullopt);
        }
    };
    std::thread other(writer, QStringLiteral("org.a.App"));
    writer(QStringLiteral("org.b.App"));
    other.join();

    QHash<QString, bool> expected;
    for (const char *prefix : {"org.a.App", "org.b.App"})
        for (int i = 1; i < rounds; i += 2)
            expected.insert(QLatin1String(prefix) + QString::number(i), i % 3 == 0);
    const RulesReading read = rules.read();
    ASSERT_TRUE(read.rules) << read.failure.toStdString();
    EXPECT_EQ(read.rules->applications, expected);
}

// Nothing stored is no rule and nothing to forget; a domain that cannot be read is a failure,
// and is left as it was.
TEST_F(ModeRulesTest, AnUnreadableStoreIsAFailure) {
    ASSERT_TRUE(rules.read().rules);
    EXPECT_EQ(rules.forget(QStringLiteral("org.a")), std::nullopt);
    ASSERT_EQ(rules.remember(QStringLiteral("org.a"), true), std::nullopt);
    QFile file(root() + QStringLiteral("/org.vantel.Vantel.plist"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("not a property list");
    file.close();

    const RulesReading read = rules.read();
    EXPECT_FALSE(read.rules);
    EXPECT_TRUE(read.failure.contains(file.fileName())) << read.failure.toStdString();
    EXPECT_NE(rules.forget(QStringLiteral("org.a")), std::nullopt);
    EXPECT_NE(rules.remember(QStringLiteral("org.b"), false), std::nullopt);
    EXPECT_EQ(domainBytes(), QByteArray("not a property list"));
}

// A lock file left by `sudo defaults` is named, with its owner, by every change it stops.
TEST_F(ModeRulesTest, AForeignEntryIsNamedWithItsOwner) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving files to another user needs root";
    ASSERT_EQ(rules.remember(QStringLiteral("org.a"), true), std::nullopt);
    const QString lock = root() + QStringLiteral("/.org.vantel.Vantel.plist.lock");
    ASSERT_EQ(::chown(QFile::encodeName(lock).constData(), 65534, 65534), 0);
    const passwd *owner = ::getpwuid(65534);
    const QString name = owner ? QString::fromUtf8(owner->pw_name) : QString();
    for (const RuleFailure &failed :
         {rules.remember(QStringLiteral("org.b"), true), rules.forget(QStringLiteral("org.a")),
          rules.setDefaultMode(false)}) {
        ASSERT_NE(failed, std::nullopt);
        EXPECT_TRUE(failed->contains(lock + QStringLiteral(" belongs to another user (uid 65534")))
            << failed->toStdString();
        EXPECT_TRUE(failed->contains(name)) << failed->toStdString();
    }
    EXPECT_EQ(rules.read().rules->applications,
              (QHash<QString, bool>{{QStringLiteral("org.a"), true}}));
}

} // namespace
