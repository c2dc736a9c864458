// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void write(const QString &path, const QString &text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

struct AutostartCase {
    const char *name;
    QString system; // the package's file; none when empty
    QString user;   // the user's file before; none when empty
    bool enabledBefore;
};

class AutostartEntryTest : public ::testing::TestWithParam<AutostartCase> {};

// Off and on again, from every starting point: the user's file always keeps the entry's own
// lines, and only Hidden (or GNOME's own switch) says whether it starts.
TEST_P(AutostartEntryTest, SwitchesOffWithHiddenAndOnWithout) {
    const AutostartCase &c = GetParam();
    QTemporaryDir dir;
    const QString system = c.system.isEmpty() ? QString() : dir.filePath(QStringLiteral("system"));
    const QString user = dir.filePath(QStringLiteral("config/autostart/org.vantel.Vantel.desktop"));
    if (!system.isEmpty())
        write(system, c.system);
    if (!c.user.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("config/autostart"))));
        write(user, c.user);
    }
    const AutostartEntry entry(user, system);
    EXPECT_EQ(entry.enabled(), c.enabledBefore);

    EXPECT_FALSE(entry.setEnabled(false));
    EXPECT_FALSE(entry.enabled());
    EXPECT_EQ(contents(user).count(QStringLiteral("Hidden=true")), 1);
    EXPECT_TRUE(contents(user).contains(QStringLiteral("Exec=vantel")));

    EXPECT_FALSE(entry.setEnabled(true));
    EXPECT_TRUE(entry.enabled());
    EXPECT_FALSE(contents(user).contains(QStringLiteral("Hidden")));
    EXPECT_TRUE(contents(user).contains(QStringLiteral("Exec=vantel")));
    EXPECT_EQ(contents(user).contains(QStringLiteral("# kept")), !c.system.isEmpty());
}

const QString package = QStringLiteral("# kept\n[Desktop Entry]\nType=Application\nName=Vantel\n"
                                       "Exec=vantel\nX-GNOME-Autostart-enabled=true\n");

INSTANTIATE_TEST_SUITE_P(
    Cases, AutostartEntryTest,
    ::testing::Values(AutostartCase{"NothingInstalled", {}, {}, false},
                      AutostartCase{"PackageOnly", package, {}, true},
                      AutostartCase{"TurnedOffByTheDesktop", package,
                                    package + QStringLiteral("Hidden=true\n"), false},
                      AutostartCase{"TurnedOffByGnome", package,
                                    QString(package).replace(QStringLiteral("enabled=true"),
                                                             QStringLiteral("enabled=false")),
                                    false}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
