// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"

#include "keyboard-service/HardwareWatch.h"
#include "keyboard-service/KeyboardService.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The firmware's own change: the file is replaced, so that no write to the watched one is seen.
void changeBehindTheServicesBack(const QString &path, const QByteArray &value) {
    QFile file(path + ".new");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(value + '\n') > 0);
    file.close();
    ASSERT_EQ(::rename(QFile::encodeName(file.fileName()).constData(),
                       QFile::encodeName(path).constData()),
              0);
}

void writeInPlace(const QString &path, const QByteArray &value) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(value + '\n') > 0);
}

// A keyboard that sends Fn+Esc, as the kernel lists it, whose device is a stream of the test's
// own.
void addFnEscKeyboard(const QString &sysfsRoot, const QString &inputDirectory) {
    const QString capabilities = QStringLiteral("devices/virtual/input/input7");
    QDir(sysfsRoot).mkpath(capabilities + "/capabilities");
    QDir(sysfsRoot).mkpath(QStringLiteral("class/input/event7"));
    // KEY_FN_ESC is bit 465: bit 17 of the eighth 64-bit word.
    writeInPlace(sysfsRoot + "/" + capabilities + "/capabilities/key", "20000 0 0 0 0 0 0 0");
    QFile::link("../../../" + capabilities, sysfsRoot + "/class/input/event7/device");
    ASSERT_EQ(::mkfifo(QFile::encodeName(inputDirectory + "/event7").constData(), 0600), 0);
}

void writeFnEsc(int fd) {
    input_event events[3] = {};
    events[0].type = EV_KEY;
    events[0].code = KEY_FN_ESC;
    events[0].value = 1;
    events[1].type = EV_SYN;
    events[2].type = EV_KEY;
    events[2].code = KEY_FN_ESC;
    ASSERT_EQ(::write(fd, events, sizeof events), ssize_t(sizeof events));
}

class HardwareChangeTest : public ServiceFixture {
protected:
    // An IdeaPad and an Apple keyboard, both switched to function keys, and a client that
    // follows changes made on them.
    void SetUp() override {
        ServiceFixture::SetUp();
        ideapad_ = sysfs_.addSwitch(QStringLiteral("ideapad_laptop"), "0");
        apple_ = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
        QDir(sysfs_.root()).mkpath(QStringLiteral("class/leds/platform::fnlock"));
        writeInPlace(sysfs_.root() + "/" + led, "0");
        addFnEscKeyboard(sysfs_.root(), input_.path());
        ASSERT_EQ(setMode(QStringLiteral("function-keys")).type(), QDBusMessage::ReplyMessage);
        ASSERT_TRUE(client_.connect(
            QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("/org/vantel/Keyboard1"),
            QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("ModeChangedByKeyboard"),
            &changes_, SLOT(record(QDBusMessage))));
        ASSERT_EQ(call(QStringLiteral("Subscribe")).type(), QDBusMessage::ReplyMessage);
        fnEsc_ = ::open(QFile::encodeName(input_.filePath("event7")).constData(),
                        O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(fnEsc_, 0) << "the service opened the keyboard";
    }

    void TearDown() override {
        if (fnEsc_ >= 0)
            ::close(fnEsc_);
    }

    void pressFnEsc() { writeFnEsc(fnEsc_); }

    QString path(const QString &relative) const { return sysfs_.root() + "/" + relative; }

    const QString led = QStringLiteral("class/leds/platform::fnlock/brightness_hw_changed");
    QString ideapad_;
    QString apple_;
    int fnEsc_ = -1;
    SignalRecorder changes_;
};

// Each way a keyboard tells of Fn+Esc: the mode is kept, given to the other keyboards and
// announced; the keys that are not Fn+Esc tell nothing.
TEST_F(HardwareChangeTest, FollowsEveryKindOfNotice) {
    const std::vector<std::pair<const char *, std::function<void(const QByteArray &)>>> notices = {
        {"the switch written by its driver",
         [&](const QByteArray &value) { writeInPlace(path(ideapad_), value); }},
        {"the fnlock LED's brightness_hw_changed",
         [&](const QByteArray &value) {
             changeBehindTheServicesBack(path(ideapad_), value);
             writeInPlace(path(led), value == "1" ? "1" : "0");
         }},
        {"Fn+Esc on an input device", [&](const QByteArray &value) {
             changeBehindTheServicesBack(path(ideapad_), value);
             pressFnEsc();
         }}};
    int expected = 0;
    for (const auto &[what, notice] : notices) {
        for (const bool functionKeys : {false, true}) {
            const QString mode = functionKeys ? "function-keys" : "hardware-keys";
            notice(functionKeys ? "1" : "0");
            ++expected;
            ASSERT_TRUE(QTest::qWaitFor([&] { return changes_.count() == expected; }, 10000))
                << what << " " << qPrintable(mode);
            EXPECT_EQ(changes_.firstArguments().last(), mode) << what;
            EXPECT_EQ(keptMode(), mode) << what;
            EXPECT_EQ(sysfs_.value(apple_), functionKeys ? "2" : "1") << what;
        }
    }
    EXPECT_EQ(changes_.count(), expected) << "one signal per change";
}

// Its own writes reach the watched files too; they are never taken for the keyboard's.
TEST_F(HardwareChangeTest, OwnWritesAreNotEchoedAndARepeatedModeWritesNothing) {
    for (const QString &mode : {QStringLiteral("hardware-keys"), QStringLiteral("function-keys")})
        ASSERT_EQ(setMode(mode).type(), QDBusMessage::ReplyMessage);
    pressFnEsc(); // nothing changed on the keyboard: nothing to follow
    const timespec old[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path(apple_)).constData(), old, 0), 0);
    SignalRecorder properties;
    ASSERT_TRUE(client_.connect(
        QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("/org/vantel/Keyboard1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        &properties, SLOT(record(QDBusMessage))));
    EXPECT_EQ(setMode(QStringLiteral("function-keys")).arguments().value(0).toUInt(), 2u);
    QTest::qWait(1000); // room for a stray echo to arrive
    keptMode();
    EXPECT_EQ(changes_.count(), 0);
    EXPECT_EQ(properties.count(), 0);
    EXPECT_EQ(keptMode(), QStringLiteral("function-keys"));
    EXPECT_EQ(QFileInfo(path(apple_)).lastModified().toSecsSinceEpoch(), 1000);
}

// A switch moved without its keyboard telling is shown but not followed: polkit's refusal writes
// nothing, and each way of applying puts the kept mode back on it and on no other keyboard.
TEST_F(HardwareChangeTest, PutsTheKeptModeBackOnASwitchMovedBehindItsBack) {
    for (const QString how : {"refused", "Apply", "--apply after a restart"}) {
        changeBehindTheServicesBack(path(apple_), "1");
        EXPECT_EQ(keyboards().value(0).mode, QStringLiteral("hardware-keys")) << qPrintable(how);
        authority_->setAnswer(how != "refused");
        if (how.startsWith("--apply")) {
            startBus(0);
            keptMode();
            run("vantel-keyboard-service",
                {"--apply", "--sysfs-root", sysfs_.root(), "--state-dir", state_.path()});
        } else {
            call(QStringLiteral("Apply"));
        }
        EXPECT_EQ(sysfs_.value(apple_), how == "refused" ? "1" : "2") << qPrintable(how);
        EXPECT_EQ(sysfs_.value(ideapad_), "1") << qPrintable(how);
        EXPECT_EQ(keptMode(), QStringLiteral("function-keys")) << qPrintable(how);
    }
    EXPECT_EQ(changes_.count(), 0);
}

// An input device that comes or goes makes the service look again, and what it then finds moved
// behind its back is shown, not taken for a change made on the keyboard.
TEST_F(HardwareChangeTest, AKeyboardComingIsNoNoticeOfAChange) {
    SignalRecorder properties;
    ASSERT_TRUE(client_.connect(
        QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("/org/vantel/Keyboard1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        &properties, SLOT(record(QDBusMessage))));
    changeBehindTheServicesBack(path(apple_), "1");
    ASSERT_EQ(::mkfifo(QFile::encodeName(input_.filePath("event8")).constData(), 0600), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return properties.count() == 1; }, 10000));
    EXPECT_EQ(changes_.count(), 0);
    EXPECT_EQ(keptMode(), QStringLiteral("function-keys"));
    EXPECT_EQ(sysfs_.value(ideapad_), "1");
}

TEST_F(HardwareChangeTest, ASubscriberKeepsTheServiceUntilItLeaves) {
    startBus(1);
    {
        QDBusConnection subscriber = bus_->connect(QStringLiteral("subscriber"));
        ASSERT_EQ(ServiceBus::call(subscriber, ServiceBus::serviceCall(QStringLiteral("Subscribe")))
                      .type(),
                  QDBusMessage::ReplyMessage);
    }
    QTest::qWait(3000); // three idle times
    EXPECT_TRUE(bus_->serviceRunning());
    QDBusConnection::disconnectFromBus(QStringLiteral("subscriber"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bus_->serviceRunning(); }, 15000));
}

class AllowEveryone : public Authorizer {
public:
    void check(const QString &, const QString &, bool,
               std::function<void(bool, QString)> done) override {
        done(true, {});
    }
    void cancel(const QString &) override {}
};

// A look at the switches for a property read, made after a keyboard changed its own mode but
// before the event loop handed on the notice, follows the keyboard all the same: it must not
// take the change for the service's own reading and leave it to be undone by the next Apply.
TEST(HardwareNotice, AReadBetweenAChangeAndItsNoticeStillFollowsIt) {
    FakeSysfs sysfs;
    QTemporaryDir state, input;
    const QString ideapad = sysfs.addSwitch(QStringLiteral("ideapad_laptop"), "1");
    addFnEscKeyboard(sysfs.root(), input.path());
    ASSERT_FALSE(KeptMode(state.path()).write(KeyboardMode::functionKeys));
    AllowEveryone authorizer;
    KeyboardService service(SysfsKeyboards(sysfs.root()), KeptMode(state.path()), authorizer,
                            std::chrono::seconds(0));
    HardwareWatch watch(SysfsKeyboards(sysfs.root()), {input.path(), true, true});
    service.setNoticePending([&watch] { return watch.noticePending(); });
    QObject::connect(&watch, &HardwareWatch::noticed, &service, &KeyboardService::followHardware);
    watch.followKeys(true);
    const int keyboard = ::open(QFile::encodeName(input.filePath("event7")).constData(),
                                O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(keyboard, 0);

    changeBehindTheServicesBack(sysfs.root() + "/" + ideapad, "0");
    writeFnEsc(keyboard);
    EXPECT_EQ(service.mode(), QStringLiteral("hardware-keys"));
    QCoreApplication::processEvents(); // the notice itself, now with nothing left to follow
    EXPECT_EQ(KeptMode(state.path()).read(), KeyboardMode::hardwareKeys);
    ::close(keyboard);
}

} // namespace
