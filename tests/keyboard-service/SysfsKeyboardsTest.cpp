// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/SysfsKeyboards.h"
#include "FakeSysfs.h"
#include "QtPrinters.h"
#include "keyboard-service/KeptMode.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct Reading {
    const char *driver;
    QByteArray value;
    KeyboardMode mode;
};

class ReadingTest : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadingTest, ReportsWhatTheDriverHolds) {
    FakeSysfs sysfs;
    sysfs.addSwitch(QString::fromLatin1(GetParam().driver), GetParam().value);
    const QList<Keyboard> found = SysfsKeyboards(sysfs.root()).scan();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(modeName(found[0].mode), modeName(GetParam().mode));
}

using M = KeyboardMode;
INSTANTIATE_TEST_SUITE_P(
    Values, ReadingTest,
    ::testing::Values(
        Reading{"hid_apple", "0", M::functionKeysOnly}, Reading{"hid_apple", "1", M::hardwareKeys},
        Reading{"hid_apple", "2", M::functionKeys}, Reading{"hid_apple", "3", M::automatic},
        Reading{"hid_apple", "4", M::functionKeysOnly}, Reading{"hid_apple", "5", M::unknown},
        Reading{"hid_apple", "", M::unknown}, Reading{"hid-appletb-kbd", "0", M::other},
        Reading{"hid-appletb-kbd", "1", M::functionKeys},
        Reading{"hid-appletb-kbd", "2", M::hardwareKeys}, Reading{"hid-appletb-kbd", "3", M::other},
        Reading{"uniwill-laptop", "0", M::functionKeys},
        Reading{"uniwill-laptop", "1", M::hardwareKeys},
        Reading{"qc71_laptop", "0", M::functionKeys}, Reading{"qc71_laptop", "1", M::hardwareKeys},
        Reading{"tuxedo_keyboard", "1", M::functionKeys}, Reading{"hid-lenovo", "3", M::unknown},
        Reading{"huawei_wmi", "1", M::functionKeys},
        Reading{"lg-laptop", QByteArray(200, '1'), M::unknown}));

TEST(SysfsKeyboards, ReportsAnUnreadableSwitchAsUnknown) {
    FakeSysfs sysfs;
    const QString id = sysfs.addSwitch(QStringLiteral("tuxedo_keyboard"), "1");
    const QString path = sysfs.root() + QLatin1Char('/') + id;
    ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
    const QList<Keyboard> found = SysfsKeyboards(sysfs.root()).scan();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].mode, KeyboardMode::unknown);
}

TEST(SysfsKeyboards, NamesHidDevicesAfterTheProductAndOthersAfterTheDriver) {
    FakeSysfs sysfs;
    const QString lenovo = sysfs.addSwitch(QStringLiteral("hid-lenovo"), "1");
    QFile uevent(sysfs.root() + "/devices/fake/hid/" + FakeSysfs::deviceFor("hid-lenovo") +
                 "/uevent");
    ASSERT_TRUE(uevent.open(QIODevice::WriteOnly));
    uevent.write("DRIVER=lenovo\nHID_NAME=Lenovo TrackPoint Keyboard II\nHID_PHYS=usb\n");
    uevent.close();
    sysfs.addSwitch(QStringLiteral("lg-laptop"), "1");
    QStringList names;
    for (const Keyboard &keyboard : SysfsKeyboards(sysfs.root()).scan())
        names.append(keyboard.name);
    EXPECT_EQ(names, QStringList({QStringLiteral("Lenovo TrackPoint Keyboard II"),
                                  FakeSysfs::row("lg-laptop").description}));
}

// A link that leads out of the sysfs root is neither looked into nor written through.
TEST(SysfsKeyboards, NeverLeavesTheRootThroughLinks) {
    FakeSysfs sysfs;
    QTemporaryDir outside;
    QDir(outside.path()).mkpath(QStringLiteral("0003:17EF:6047.0001"));
    QFile planted(outside.filePath(QStringLiteral("0003:17EF:6047.0001/fn_lock")));
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly) && planted.write("0\n") == 2);
    planted.close();
    QDir(sysfs.root()).mkpath(QStringLiteral("bus/hid/devices"));
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("0003:17EF:6047.0001")),
                            sysfs.root() + "/bus/hid/devices/0003:17EF:6047.0001"));
    const QString linked = sysfs.addSwitch(QStringLiteral("huawei_wmi"), "0");
    const QString attribute = sysfs.root() + QLatin1Char('/') + linked;
    ASSERT_TRUE(QFile::remove(attribute) && QFile::link(planted.fileName(), attribute));

    const SysfsKeyboards keyboards(sysfs.root());
    const QList<Keyboard> found = keyboards.scan();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].id, linked);
    EXPECT_EQ(found[0].mode, KeyboardMode::unknown);
    const WriteReport report = keyboards.write(KeyboardMode::functionKeys);
    EXPECT_EQ(report.switched, 0);
    ASSERT_EQ(report.failures.size(), 1);
    EXPECT_TRUE(report.failures[0].startsWith(attribute)) << qPrintable(report.failures[0]);
    QFile check(planted.fileName());
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "0\n");
}

TEST(SysfsKeyboards, WritesOnlyTheTwoModesThatMayBeAskedFor) {
    FakeSysfs sysfs;
    const QString id = sysfs.addSwitch(QStringLiteral("hid_apple"), "3");
    for (const KeyboardMode mode : {KeyboardMode::automatic, KeyboardMode::functionKeysOnly,
                                    KeyboardMode::other, KeyboardMode::unknown})
        EXPECT_EQ(SysfsKeyboards(sysfs.root()).write(mode).switched, 0);
    EXPECT_EQ(sysfs.value(id), "3");
}

TEST(KeptMode, KeepsAModeInAFileEveryoneMayRead) {
    QTemporaryDir state;
    const KeptMode kept(state.filePath(QStringLiteral("vantel")));
    EXPECT_EQ(kept.read(), std::nullopt);
    for (const KeyboardMode mode : {KeyboardMode::hardwareKeys, KeyboardMode::functionKeys}) {
        ASSERT_EQ(kept.write(mode), std::nullopt);
        EXPECT_EQ(kept.read(), mode);
    }
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(kept.path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
    EXPECT_EQ(QDir(state.filePath(QStringLiteral("vantel")))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("keyboard-mode")});
}

TEST(KeptMode, AnythingButAModeMeansNoneKept) {
    QTemporaryDir state;
    const KeptMode kept(state.path());
    for (const QByteArray &content :
         {QByteArray("auto\n"), QByteArray("function-keys-please"), QByteArray(""),
          QByteArray(100, 'x'), QByteArray("hardware-keys\0junk", 18)}) {
        QFile file(kept.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        EXPECT_EQ(kept.read(), std::nullopt) << content.constData();
    }
}

TEST(KeptMode, AFailedWriteSaysWhyAndKeepsTheOldMode) {
    QTemporaryDir state;
    const KeptMode kept(state.path());
    ASSERT_EQ(kept.write(KeyboardMode::hardwareKeys), std::nullopt);
    // A directory in the file's place cannot be renamed over.
    ASSERT_TRUE(QFile::remove(kept.path()) && QDir().mkpath(kept.path() + "/blocker"));
    const std::optional<QString> failed = kept.write(KeyboardMode::functionKeys);
    ASSERT_TRUE(failed.has_value());
    EXPECT_TRUE(failed->contains(kept.path())) << qPrintable(*failed);
    EXPECT_EQ(QDir(state.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("keyboard-mode")});
}

} // namespace
