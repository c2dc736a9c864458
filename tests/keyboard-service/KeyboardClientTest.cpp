// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"
#include "desktop/PreferenceFileWatcher.h"
#include "keyboards/DBusKeyboardModes.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QSignalSpy>

namespace {

class KeyboardClientTest : public ServiceFixture {
protected:
    // The program reaches the service on the session bus only when told to, as tests do.
    std::unique_ptr<DBusKeyboardModes> client() {
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus_->address().toUtf8());
        qputenv("VANTEL_KEYBOARD_BUS", "session");
        return std::make_unique<DBusKeyboardModes>(DBusKeyboardModes::busFromEnvironment());
    }
};

TEST_F(KeyboardClientTest, EndsInTheModeAskedForLastWhileSwitchesPileUp) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    const auto modes = client();
    authority_->hold();
    modes->apply(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return authority_->waiting() == 1; }, 10000));
    for (const bool fnState : {false, true, false})
        modes->apply(fnState);
    authority_->release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sysfs_.value(id) == "1"; }, 10000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return modes->report().outcome == KeyboardReport::Outcome::switched; }, 10000));
    EXPECT_EQ(authority_->requests().size(), 2);
    EXPECT_EQ(modes->report().switched, QStringList{FakeSysfs::row("hid_apple").description});
}

TEST_F(KeyboardClientTest, ReportsWhyNothingWasSwitched) {
    const auto modes = client();
    modes->apply(true);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return modes->report().outcome == KeyboardReport::Outcome::noKeyboard; }, 10000));
    sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    authority_->setAnswer(false);
    modes->apply(false);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return modes->report().outcome == KeyboardReport::Outcome::refused; }, 10000));
}

TEST_F(KeyboardClientTest, ReportsAMissingService) {
    startBus(0, false);
    const auto modes = client();
    modes->apply(false);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return modes->report().outcome == KeyboardReport::Outcome::unavailable; }, 10000));
}

// Most desktops have no keyboard to switch, or no service: saying so at every switch is noise.
TEST_F(KeyboardClientTest, TellsOnceThatNothingWasSwitched) {
    static QList<QtMsgType> told;
    QLoggingCategory::setFilterRules(QStringLiteral("vantel.keyboard.debug=true"));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (text.startsWith(QLatin1String("keyboards not switched")))
                told << type;
        });
    for (const bool installed : {true, false}) {
        startBus(0, installed);
        told.clear();
        const auto modes = client();
        modes->apply(true);
        EXPECT_TRUE(QTest::qWaitFor([] { return told.size() == 1; }, 10000));
        modes->apply(false);
        EXPECT_TRUE(QTest::qWaitFor([] { return told.size() == 2; }, 10000));
        EXPECT_EQ(told, (QList<QtMsgType>{QtInfoMsg, QtDebugMsg})) << installed;
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
}

TEST_F(KeyboardClientTest, HearsOfChangesMadeOnTheKeyboard) {
    const QString id = sysfs_.addSwitch(QStringLiteral("lg-laptop"), "1");
    const auto modes = client();
    std::vector<bool> heard;
    modes->followKeyboards([&heard](bool fnState) { heard.push_back(fnState); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return bus_->serviceRunning(); }, 10000));
    keptMode(); // the subscription is in before the keyboard changes
    QFile fnLock(sysfs_.root() + QLatin1Char('/') + id);
    ASSERT_TRUE(fnLock.open(QIODevice::WriteOnly) && fnLock.write("0\n") == 2);
    fnLock.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !heard.empty(); }, 10000));
    EXPECT_EQ(heard, std::vector<bool>{false});
}

// Writers replace the file by renaming a new one over it, which ends a plain watch on the file.
TEST(PreferenceFileWatcher, NoticesEveryReplacementOfTheFile) {
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("prefs/NSGlobalDomain.plist"));
    PreferenceFileWatcher watcher(path);
    QSignalSpy changed(&watcher, &PreferenceFileWatcher::changed);
    for (int round = 1; round <= 3; ++round) {
        QSaveFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(round, 'x'));
        ASSERT_TRUE(file.commit());
        EXPECT_TRUE(QTest::qWaitFor([&] { return changed.size() >= round; }, 5000)) << round;
    }
}

} // namespace
