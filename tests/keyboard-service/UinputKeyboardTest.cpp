// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// The kernel's side of Fn+Esc, where the machine lets a test make a keyboard of its own: the
// service reads the key from a real input device, not from a stand-in stream.
#include "ServiceFixture.h"
#include "keyboard-service/InputMask.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class UinputKeyboardTest : public ServiceFixture {
protected:
    void SetUp() override {
        registerKeyboardBusTypes();
        if (::access("/dev/uinput", W_OK) != 0)
            GTEST_SKIP() << "/dev/uinput is missing or not writable here (" << std::strerror(errno)
                         << "): a keyboard of the test's own cannot be made";
        uinput_ = ::open("/dev/uinput", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(uinput_, 0) << std::strerror(errno);
        uinput_setup setup{};
        setup.id.bustype = BUS_VIRTUAL;
        std::strcpy(setup.name, "Vantel test keyboard");
        char sysname[64] = {};
        ASSERT_TRUE(::ioctl(uinput_, UI_SET_EVBIT, EV_KEY) == 0 &&
                    ::ioctl(uinput_, UI_SET_KEYBIT, KEY_ESC) == 0 &&
                    ::ioctl(uinput_, UI_SET_KEYBIT, KEY_FN_ESC) == 0 &&
                    ::ioctl(uinput_, UI_SET_KEYBIT, KEY_A) == 0 &&
                    ::ioctl(uinput_, UI_DEV_SETUP, &setup) == 0 &&
                    ::ioctl(uinput_, UI_DEV_CREATE) == 0 &&
                    ::ioctl(uinput_, UI_GET_SYSNAME(sizeof sysname - 1), sysname) >= 0)
            << std::strerror(errno);
        const QString device = QStringLiteral("devices/virtual/input/") + sysname;
        QString event;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                event = QDir("/sys/" + device).entryList({QStringLiteral("event*")}).value(0);
                return !event.isEmpty() && QFile::exists("/dev/input/" + event);
            },
            10000));
        if (::access(QFile::encodeName("/dev/input/" + event).constData(), R_OK) != 0)
            GTEST_SKIP() << "/dev/input/" << qPrintable(event) << " is not readable here";
        // The fake tree names the real device, with the capabilities the kernel gave it.
        QDir(sysfs_.root()).mkpath(device + "/capabilities");
        QDir(sysfs_.root()).mkpath("class/input/" + event);
        ASSERT_TRUE(QFile::copy("/sys/" + device + "/capabilities/key",
                                sysfs_.root() + "/" + device + "/capabilities/key"));
        QFile::link("../../../" + device, sysfs_.root() + "/class/input/" + event + "/device");
        numbers_ = sysfs_.root() + "/class/input/" + event + "/dev";
        ASSERT_TRUE(QFile::copy("/sys/class/input/" + event + "/dev", numbers_));
        device_ = "/dev/input/" + event;
        inputDir_ = QStringLiteral("/dev/input");
        startBus(0);
    }

    void TearDown() override {
        if (uinput_ >= 0) {
            ::ioctl(uinput_, UI_DEV_DESTROY);
            ::close(uinput_);
        }
    }

    // Letters typed, then Fn+Esc.
    void pressFnEsc(int letters = 0) {
        for (int i = 0; i < letters; ++i)
            press(KEY_A);
        press(KEY_FN_ESC);
    }

    void press(int key) {
        input_event events[4] = {};
        for (int i : {0, 2}) {
            events[i].type = EV_KEY;
            events[i].code = std::uint16_t(key);
            events[i + 1].type = EV_SYN; // SYN_REPORT
        }
        events[0].value = 1;
        ASSERT_EQ(::write(uinput_, events, sizeof events), ssize_t(sizeof events));
    }

    bool serviceHoldsTheDevice() {
        const QString fds = QStringLiteral("/proc/%1/fd")
                                .arg(client_.interface()
                                         ->servicePid(QStringLiteral("org.vantel.Keyboard1"))
                                         .value());
        for (const QString &fd : QDir(fds).entryList(QDir::Files | QDir::System))
            if (QFile::symLinkTarget(fds + "/" + fd) == device_)
                return true;
        return false;
    }

    int uinput_ = -1;
    QString device_;
    QString numbers_; // the device's number in the fake tree
};

TEST_F(UinputKeyboardTest, FnEscMakesTheServiceReadTheSwitchAgain) {
    const QString ideapad = sysfs_.addSwitch(QStringLiteral("ideapad_laptop"), "0");
    ASSERT_EQ(setMode(QStringLiteral("function-keys")).type(), QDBusMessage::ReplyMessage);
    SignalRecorder changes;
    ASSERT_TRUE(client_.connect(
        QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("/org/vantel/Keyboard1"),
        QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("ModeChangedByKeyboard"), &changes,
        SLOT(record(QDBusMessage))));
    ASSERT_EQ(call(QStringLiteral("Subscribe")).type(), QDBusMessage::ReplyMessage);
    // The firmware's change, which tells nobody: replaced, so that no write to it is seen.
    QFile next(sysfs_.root() + "/" + ideapad + ".new");
    ASSERT_TRUE(next.open(QIODevice::WriteOnly) && next.write("0\n") == 2);
    next.close();
    ASSERT_EQ(::rename(QFile::encodeName(next.fileName()).constData(),
                       QFile::encodeName(sysfs_.root() + "/" + ideapad).constData()),
              0);
    pressFnEsc(3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() == 1; }, 10000));
    EXPECT_EQ(changes.firstArguments().value(0), QStringLiteral("hardware-keys"));
}

// Of letters typed around Fn+Esc, the mask lets only Fn+Esc and its reports through.
TEST_F(UinputKeyboardTest, TheMaskLetsOnlyFnEscThrough) {
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(device_).constData(), &info), 0);
    const EventDevice keyboard = openEventDevice(device_, info.st_rdev);
    ASSERT_EQ(maskToFnEsc(keyboard.fd), std::nullopt) << qPrintable(keyboard.failure);
    pressFnEsc(3);
    pressFnEsc(2); // read only once this arrived: every letter came before it
    QList<int> codes;
    input_event event{};
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            while (::read(keyboard.fd, &event, sizeof event) == ssize_t(sizeof event))
                codes.append(event.type == EV_KEY ? event.code : -event.code);
            return codes.size() >= 8;
        },
        10000));
    EXPECT_EQ(codes, QList<int>({KEY_FN_ESC, -SYN_REPORT, KEY_FN_ESC, -SYN_REPORT, KEY_FN_ESC,
                                 -SYN_REPORT, KEY_FN_ESC, -SYN_REPORT}));
    ::close(keyboard.fd);
}

// The keyboard is open only while someone subscribes, and never under a number sysfs does not give.
TEST_F(UinputKeyboardTest, TheDeviceIsOpenOnlyWhileSubscribedAndRightlyNumbered) {
    keptMode();
    EXPECT_FALSE(serviceHoldsTheDevice());
    for (const QByteArray &numbers : {QByteArray(), QByteArray("13:1023")}) {
        QFile file(numbers_);
        if (!numbers.isEmpty()) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(numbers) > 0);
        }
        file.close();
        {
            QDBusConnection subscriber = bus_->connect(QStringLiteral("subscriber"));
            ServiceBus::call(subscriber, ServiceBus::serviceCall(QStringLiteral("Subscribe")));
        }
        EXPECT_EQ(serviceHoldsTheDevice(), numbers.isEmpty()) << numbers.constData();
        QDBusConnection::disconnectFromBus(QStringLiteral("subscriber"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !serviceHoldsTheDevice(); }, 10000));
    }
}

} // namespace
