// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"
#include "keyboard-service/SysfsTree.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString service = QStringLiteral("vantel-keyboard-service");

class UntrustedInputTest : public ServiceFixture {};

// Names and paths come from devices anyone can plug in: no escape sequence reaches a terminal.
TEST_F(UntrustedInputTest, DeviceNamesReachTheTerminalHarmless) {
    const QString device = QStringLiteral("0003:17EF:\x1b[2J.0001");
    const QString id = sysfs_.addSwitch(QStringLiteral("hid-lenovo"), device, "1");
    QFile uevent(sysfs_.root() + "/devices/fake/hid/" + device + "/uevent");
    ASSERT_TRUE(uevent.open(QIODevice::WriteOnly));
    uevent.write("DRIVER=lenovo\nHID_NAME=Evil\x1b]0;owned\x07\xe2\x80\xae" + QByteArray(300, 'K') +
                 "\n");
    uevent.close();

    const KeyboardEntries entries = keyboards();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_TRUE(entries[0].name.startsWith(QStringLiteral("Evil\ufffd]0;owned\ufffd\ufffdKKK")))
        << qPrintable(entries[0].name);
    EXPECT_EQ(entries[0].name.size(), 256);
    const Run listed = run(QStringLiteral("vantel-keyboard"), {"--session", "list"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_FALSE(listed.output.contains(QChar(0x1b))) << qPrintable(listed.output);
    EXPECT_TRUE(listed.output.contains(QStringLiteral("0003:17EF:\\x1b[2J.0001")))
        << qPrintable(listed.output);
}

// A FIFO where a file belongs would hang the service: it is refused at once instead (opening
// it for writing fails outright while nobody reads it).
TEST_F(UntrustedInputTest, FifosAreRefusedWithoutBlocking) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    const QString attribute = sysfs_.root() + QLatin1Char('/') + id;
    ASSERT_TRUE(QFile::remove(attribute));
    ASSERT_EQ(::mkfifo(qPrintable(attribute), 0666), 0);
    ASSERT_EQ(::mkfifo(qPrintable(state_.filePath("keyboard-mode")), 0666), 0);
    EXPECT_EQ(keptMode(), QString());
    const QDBusMessage reply = setMode(QStringLiteral("function-keys"));
    EXPECT_TRUE(reply.errorMessage().contains(attribute + ": "))
        << qPrintable(reply.errorMessage());
    EXPECT_EQ(keptMode(), QStringLiteral("function-keys"));
    std::optional<QByteArray> read = SysfsTree(sysfs_.root()).read(id);
    EXPECT_FALSE(read.has_value());
}

// As root, another bus means another authority, and other input devices a test's stand-ins:
// only with a tree and state of the test's own.
TEST_F(UntrustedInputTest, AsRootTheTestsOptionsNeedATreeAndStateOfTheirOwn) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root is refused";
    const QStringList session{"--session"}, tree{"--sysfs-root", sysfs_.root()},
        state{"--state-dir", state_.path()}, input{"--input-dir", input_.path()};
    const QList<std::pair<QStringList, int>> cases{{session, 2},
                                                   {session + tree, 2},
                                                   {session + state, 2},
                                                   {input, 2},
                                                   {input + tree, 2},
                                                   {session + tree + state, 0},
                                                   {input + tree + state, 0},
                                                   {tree + state, 0}};
    for (const auto &[arguments, status] : cases) {
        const Run result = run(service, arguments + QStringList{"--apply"});
        EXPECT_EQ(result.exitCode, status) << qPrintable(arguments.join(' '));
        EXPECT_EQ(result.output.contains("as root, --session and --input-dir need both"),
                  status == 2);
    }
}

// The units as installed, pointed at the built service, pass systemd's own checks.
TEST(SystemUnits, PassSystemdVerify) {
    QTemporaryDir dir;
    QStringList units;
    for (const char *name : {"vantel-keyboard.service", "vantel-keyboard-apply.service"}) {
        QFile unit(QStringLiteral(VANTEL_KEYBOARD_UNIT_DIR "/") + QLatin1String(name));
        ASSERT_TRUE(unit.open(QIODevice::ReadOnly)) << qPrintable(unit.fileName());
        QString text = QString::fromUtf8(unit.readAll());
        text.replace(QRegularExpression("ExecStart=\\S+"),
                     "ExecStart=" + ServiceBus::binary(service));
        QFile copy(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly) && copy.write(text.toUtf8()) > 0);
        units << copy.fileName();
    }
    QProcess verify;
    verify.setProcessChannelMode(QProcess::MergedChannels);
    verify.start(QStringLiteral("systemd-analyze"), QStringList{"verify", "--man=no"} + units);
    ASSERT_TRUE(verify.waitForFinished(60000));
    EXPECT_EQ(verify.exitCode(), 0) << verify.readAll().constData();
    EXPECT_EQ(verify.readAll(), QByteArray());
}

// The units leave only a few trees of /sys writable; every switch of the table must lie in one,
// where bus/ and class/ entries are links into devices/.
TEST(SystemUnits, LeaveEverySwitchOfTheTableWritable) {
    for (const char *name : {"vantel-keyboard.service", "vantel-keyboard-apply.service"}) {
        QFile unit(QStringLiteral(VANTEL_KEYBOARD_UNIT_DIR "/") + QLatin1String(name));
        ASSERT_TRUE(unit.open(QIODevice::ReadOnly)) << qPrintable(unit.fileName());
        const QString text = QString::fromUtf8(unit.readAll());
        ASSERT_TRUE(text.contains(QStringLiteral("\nProtectKernelTunables=yes\n"))) << name;
        const QStringList writable = QRegularExpression(QStringLiteral("\nReadWritePaths=(.*)\n"))
                                         .match(text)
                                         .captured(1)
                                         .split(QLatin1Char(' '));
        for (const KeyboardDriver &row : keyboardDrivers()) {
            const QString top = row.glob.section(QLatin1Char('/'), 0, 0);
            const bool link = top == QLatin1String("bus") || top == QLatin1String("class");
            const QString tree = link ? QStringLiteral("devices") : top;
            EXPECT_TRUE(writable.contains("-/sys/" + tree)) << name << " " << qPrintable(row.glob);
        }
    }
}

// What udev sees (ACTION SUBSYSTEM KERNEL DRIVER) when each driver has become ready, at a
// plug or, for a device bound before udev ran, replayed at boot as "add"; written down apart
// from the table the rule is made from. Under "" what is never caught: other devices, and a
// fresh device's "add" before its driver binds.
const QMap<QString, QStringList> events = {
    {"hid_apple", {"add module hid_apple", "bind hid 0005:05AC:0267.0004 apple"}},
    {"hid-appletb-kbd", {"bind hid 0003:05AC:8302.0003 hid-appletb-kbd"}},
    {"ideapad_laptop",
     {"bind platform VPC2004:00 ideapad_acpi", "add platform VPC2004:00 ideapad_acpi"}},
    {"hid-lenovo", {"bind hid 0003:17EF:6047.0001 lenovo", "add hid 0005:17EF:6048.0002 lenovo"}},
    {"huawei_wmi", {"bind platform huawei-wmi huawei-wmi"}},
    {"lg-laptop", {"bind platform lg-laptop lg-laptop"}},
    {"uniwill-laptop", {"bind platform INOU0000:00 uniwill-laptop"}},
    {"qc71_laptop", {"bind platform qc71_laptop qc71_laptop"}},
    {"tuxedo_keyboard", {"bind platform tuxedo_keyboard tuxedo_keyboard"}},
    {"",
     {"bind hid 0003:046D:C52B.0005 hid-generic", "unbind platform VPC2004:00 ideapad_acpi",
      "add hid 0003:05AC:0220.0001 ", "add platform VPC2004:00 "}}};

// As udev matches: a line that leads to the re-apply, of which every KEY=="a|b*" holds.
bool caught(const QString &event) {
    static const QStringList keys{"ACTION", "SUBSYSTEM", "KERNEL", "DRIVER"};
    static const QRegularExpression match(QStringLiteral(R"re(([\w{}]+)=="([^"]*)")re"));
    QFile rule(QStringLiteral(VANTEL_KEYBOARD_UNIT_DIR "/70-vantel-keyboard.rules"));
    rule.open(QIODevice::ReadOnly);
    for (const QString &line : QString::fromUtf8(rule.readAll()).split(QLatin1Char('\n'))) {
        bool holds = line.contains(QStringLiteral(R"(GOTO="vantel_keyboard_apply")"));
        for (const QRegularExpressionMatch &key : match.globalMatch(line))
            holds = holds && QDir::match(key.captured(2).split(QLatin1Char('|')),
                                         event.split(' ').value(keys.indexOf(key.captured(1))));
        if (holds)
            return true;
    }
    return false;
}

TEST(UdevRule, CatchesEveryDriverOfTheTableBecomingReadyAndNoOtherDevice) {
    for (const KeyboardDriver &row : keyboardDrivers()) {
        EXPECT_TRUE(events.contains(row.driver))
            << "what does udev see of " << qPrintable(row.driver);
        for (const QString &event : events[row.driver])
            EXPECT_TRUE(caught(event)) << qPrintable(event);
    }
    for (const QString &event : events[QString()])
        EXPECT_FALSE(caught(event)) << qPrintable(event);
}

} // namespace
