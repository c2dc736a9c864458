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

} // namespace
