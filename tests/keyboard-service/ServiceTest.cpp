// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>

namespace {

const QString accessDenied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");

uint switched(const QDBusMessage &reply) {
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << qPrintable(reply.errorMessage());
    return reply.arguments().value(0).toUInt();
}

class KeyboardServiceTest : public ServiceFixture {};

// Every row of the driver table, switched both ways through the bus and read back.
class DriverRowTest : public ServiceFixture, public ::testing::WithParamInterface<const char *> {};

TEST_P(DriverRowTest, SwitchesBothWaysAndReadsBack) {
    const QString driver = QString::fromLatin1(GetParam());
    const KeyboardDriver &row = FakeSysfs::row(driver);
    const QString id = sysfs_.addSwitch(driver, "7");
    for (const KeyboardMode mode : {KeyboardMode::functionKeys, KeyboardMode::hardwareKeys}) {
        EXPECT_EQ(switched(setMode(modeName(mode))), 1u);
        EXPECT_EQ(sysfs_.value(id), row.valueFor(mode));
        const KeyboardEntries entries = keyboards();
        ASSERT_EQ(entries.size(), 1);
        EXPECT_EQ(entries[0].id, id);
        EXPECT_EQ(entries[0].driver, driver);
        EXPECT_EQ(entries[0].mode, modeName(mode));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDriver, DriverRowTest,
                         ::testing::Values("hid_apple", "hid-appletb-kbd", "ideapad_laptop",
                                           "hid-lenovo", "huawei_wmi", "lg-laptop",
                                           "uniwill-laptop", "qc71_laptop", "tuxedo_keyboard"));

TEST_F(KeyboardServiceTest, SwitchesSeveralKeyboardsAtOnce) {
    const QString apple = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    const QString first =
        sysfs_.addSwitch(QStringLiteral("hid-lenovo"), "0003:17EF:6047.0001", "1");
    const QString second =
        sysfs_.addSwitch(QStringLiteral("hid-lenovo"), "0005:17EF:60E1.0002", "1");
    const QString ideapad = sysfs_.addSwitch(QStringLiteral("ideapad_laptop"), "1");
    EXPECT_EQ(switched(setMode(QStringLiteral("hardware-keys"))), 4u);
    EXPECT_EQ(sysfs_.value(apple), "1");
    EXPECT_EQ(sysfs_.value(first), "0");
    EXPECT_EQ(sysfs_.value(second), "0");
    EXPECT_EQ(sysfs_.value(ideapad), "0");
    EXPECT_EQ(keptMode(), QStringLiteral("hardware-keys"));
}

// A refusal, or no authority to ask at all, leaves every switch and the kept mode alone.
TEST_F(KeyboardServiceTest, RefusalWritesNothing) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    for (const bool withAuthority : {true, false}) {
        startBus(0, true, withAuthority);
        if (authority_)
            authority_->setAnswer(false);
        const QDBusMessage reply = setMode(QStringLiteral("function-keys"));
        EXPECT_EQ(reply.errorName(), accessDenied) << withAuthority;
        EXPECT_EQ(sysfs_.value(id), "3");
        EXPECT_EQ(keptMode(), QString());
        EXPECT_TRUE(QDir(state_.path()).isEmpty());
    }
}

TEST_F(KeyboardServiceTest, AsksPolkitAboutTheCaller) {
    sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    switched(setMode(QStringLiteral("function-keys")));
    ASSERT_EQ(authority_->requests().size(), 1);
    const FakePolkitAuthority::Request &request = authority_->requests()[0];
    EXPECT_EQ(request.subjectKind, QStringLiteral("system-bus-name"));
    EXPECT_EQ(request.subjectName, client_.baseService());
    EXPECT_EQ(request.action, QStringLiteral("org.vantel.keyboard.set-mode"));
    EXPECT_EQ(request.flags, 0u); // the call did not offer to wait for a password

    // A caller's wish to wait for a password is passed on; the tool off a terminal has none.
    QDBusMessage interactive =
        ServiceBus::serviceCall(QStringLiteral("SetMode"), {"hardware-keys"});
    interactive.setInteractiveAuthorizationAllowed(true);
    switched(ServiceBus::call(client_, interactive));
    EXPECT_EQ(
        run(QStringLiteral("vantel-keyboard"), {"--session", "set", "hardware-keys"}).exitCode, 0);
    ASSERT_EQ(authority_->requests().size(), 3);
    EXPECT_EQ(authority_->requests()[1].flags, 1u);
    EXPECT_EQ(authority_->requests()[2].flags, 0u);
}

TEST_F(KeyboardServiceTest, RefusesAnyOtherModeWithoutAskingOrWriting) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    for (const QString &mode :
         {QStringLiteral("auto"), QString(), QStringLiteral("FUNCTION-KEYS"),
          QStringLiteral("function-keys\n"), QStringLiteral("../../../etc/passwd"),
          QString(5000, QLatin1Char('x'))}) {
        EXPECT_EQ(setMode(mode).errorName(), invalidArgs) << qPrintable(mode.left(20));
    }
    EXPECT_EQ(call(QStringLiteral("SetMode"), {42}).errorName(), invalidArgs);
    EXPECT_TRUE(authority_->requests().isEmpty());
    EXPECT_EQ(sysfs_.value(id), "3");
    EXPECT_EQ(keptMode(), QString());
}

TEST_F(KeyboardServiceTest, NoKeyboardIsAnErrorButTheModeIsKept) {
    const QDBusMessage reply = setMode(QStringLiteral("function-keys"));
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.vantel.Keyboard1.Error.NoKeyboard"));
    EXPECT_EQ(keptMode(), QStringLiteral("function-keys"));
    EXPECT_TRUE(keyboards().isEmpty());
}

// Root ignores file modes, so a switch that cannot be written is a directory or a broken link.
TEST_F(KeyboardServiceTest, FailedWritesAreNamedAndTheOthersStillWritten) {
    const QString apple = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    const QString directory =
        sysfs_.addSwitch(QStringLiteral("hid-lenovo"), "0003:17EF:6047.0001", "1");
    const QString dangling =
        sysfs_.addSwitch(QStringLiteral("hid-lenovo"), "0003:17EF:6048.0002", "1");
    const QString root = sysfs_.root() + QLatin1Char('/');
    ASSERT_TRUE(QFile::remove(root + directory) && QDir().mkdir(root + directory));
    ASSERT_TRUE(QFile::remove(root + dangling) && QFile::link(root + "nowhere", root + dangling));

    const QDBusMessage reply = setMode(QStringLiteral("function-keys"));
    EXPECT_EQ(reply.errorName(), QStringLiteral("org.vantel.Keyboard1.Error.WriteFailed"));
    EXPECT_TRUE(reply.errorMessage().contains(root + directory))
        << qPrintable(reply.errorMessage());
    EXPECT_TRUE(reply.errorMessage().contains(root + dangling)) << qPrintable(reply.errorMessage());
    EXPECT_EQ(sysfs_.value(apple), "2");
    EXPECT_FALSE(QFileInfo::exists(root + "nowhere"));
    for (const KeyboardEntry &entry : keyboards())
        EXPECT_EQ(entry.mode, entry.id == apple ? "function-keys" : "unknown")
            << qPrintable(entry.id);
}

TEST_F(KeyboardServiceTest, KeptModeSurvivesARestartAndReachesLaterDevices) {
    sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    switched(setMode(QStringLiteral("function-keys")));
    startBus(0);
    EXPECT_EQ(keptMode(), QStringLiteral("function-keys"));

    const QString late = sysfs_.addSwitch(QStringLiteral("ideapad_laptop"), "0");
    const Run once = run(QStringLiteral("vantel-keyboard-service"),
                         {"--apply", "--sysfs-root", sysfs_.root(), "--state-dir", state_.path()});
    EXPECT_EQ(once.exitCode, 0) << qPrintable(once.output);
    EXPECT_EQ(sysfs_.value(late), "1");

    const QString later = sysfs_.addSwitch(QStringLiteral("lg-laptop"), "0");
    EXPECT_EQ(switched(call(QStringLiteral("Apply"))), 3u);
    EXPECT_EQ(sysfs_.value(later), "1");
}

TEST_F(KeyboardServiceTest, ApplyWithNothingKeptWritesNothing) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    EXPECT_EQ(switched(call(QStringLiteral("Apply"))), 0u);
    const Run once = run(QStringLiteral("vantel-keyboard-service"),
                         {"--apply", "--sysfs-root", sysfs_.root(), "--state-dir", state_.path()});
    EXPECT_EQ(once.exitCode, 0);
    EXPECT_EQ(sysfs_.value(id), "3");
}

TEST_F(KeyboardServiceTest, AnnouncesChangedPropertiesOnlyWhenTheyChange) {
    sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    SignalRecorder recorder;
    ASSERT_TRUE(client_.connect(
        QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("/org/vantel/Keyboard1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        &recorder, SLOT(record(QDBusMessage))));
    switched(setMode(QStringLiteral("function-keys")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.changed().contains("Keyboards"); }, 5000));
    EXPECT_EQ(recorder.changed().value(QStringLiteral("Mode")).toString(), "function-keys");
    KeyboardEntries entries;
    recorder.changed().value(QStringLiteral("Keyboards")).value<QDBusArgument>() >> entries;
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].mode, QStringLiteral("function-keys"));

    const int announced = recorder.count();
    switched(setMode(QStringLiteral("function-keys")));
    keptMode(); // one more round trip, so that a stray signal would have arrived
    EXPECT_EQ(recorder.count(), announced);
}

TEST_F(KeyboardServiceTest, ExitsWhenIdleAndIsStartedAgainByTheNextCall) {
    startBus(1);
    EXPECT_EQ(keptMode(), QString());
    const QString first = client_.interface()->serviceOwner("org.vantel.Keyboard1").value();
    ASSERT_FALSE(first.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bus_->serviceRunning(); }, 15000));
    EXPECT_EQ(keptMode(), QString());
    EXPECT_NE(client_.interface()->serviceOwner("org.vantel.Keyboard1").value(), first);
}

// The administrator's file: a machine whose firmware flips a driver's meaning, and a mode for
// keyboards nobody has chosen one for yet. What it does not understand changes nothing.
TEST_F(KeyboardServiceTest, FollowsTheAdministratorsSettings) {
    config_ = state_.filePath(QStringLiteral("keyboard.conf"));
    QFile file(config_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# this machine\n[Invert]\nideapad_laptop=true\nlg-laptop=maybe\nno_such=true\n"
               "[Default]\nMode=hardware-keys\n[Other]\nMode=function-keys\n");
    file.close();
    const QString ideapad = sysfs_.addSwitch(QStringLiteral("ideapad_laptop"), "1");
    const QString lg = sysfs_.addSwitch(QStringLiteral("lg-laptop"), "1");
    startBus(0);

    EXPECT_EQ(switched(call(QStringLiteral("Apply"))), 2u);
    EXPECT_EQ(sysfs_.value(ideapad), "1");
    EXPECT_EQ(sysfs_.value(lg), "0");
    EXPECT_EQ(keptMode(), QString()) << "the default is not a choice";
    const Run once = run(QStringLiteral("vantel-keyboard-service"),
                         {"--apply", "--sysfs-root", sysfs_.root(), "--state-dir", state_.path(),
                          "--config", config_});
    EXPECT_EQ(once.exitCode, 0) << qPrintable(once.output);

    EXPECT_EQ(switched(setMode(QStringLiteral("function-keys"))), 2u);
    EXPECT_EQ(sysfs_.value(ideapad), "0");
    EXPECT_EQ(sysfs_.value(lg), "1");
    for (const KeyboardEntry &entry : keyboards())
        EXPECT_EQ(entry.mode, QStringLiteral("function-keys")) << qPrintable(entry.id);
}

TEST_F(KeyboardServiceTest, KeepsAnsweringWhilePolkitIsAsking) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    authority_->hold();
    QDBusPendingCall pending =
        client_.asyncCall(ServiceBus::serviceCall(QStringLiteral("SetMode"), {"function-keys"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return authority_->waiting() == 1; }, 10000));
    EXPECT_EQ(keyboards().size(), 1);
    EXPECT_EQ(sysfs_.value(id), "3");
    EXPECT_FALSE(pending.isFinished());
    authority_->release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pending.isFinished(); }, 10000));
    EXPECT_EQ(switched(pending.reply()), 1u);
    EXPECT_EQ(sysfs_.value(id), "2");
}

} // namespace
