// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"

#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>

#include <functional>

#include <linux/input.h>

namespace {

struct CliCase {
    const char *name;
    std::function<void(ServiceFixture &)> setUp;
    QStringList arguments;
    int exitCode;
    QString says;
};

void PrintTo(const CliCase &tested, std::ostream *out) {
    *out << tested.name;
}

class CliTest : public ServiceFixture, public ::testing::WithParamInterface<CliCase> {
public:
    FakeSysfs &sysfs() { return sysfs_; }
    std::unique_ptr<FakePolkitAuthority> &authority() { return authority_; }
    void restartBus(bool activatable) { startBus(0, activatable); }
};

void twoKeyboards(ServiceFixture &fixture) {
    auto &test = static_cast<CliTest &>(fixture);
    test.sysfs().addSwitch(QStringLiteral("hid_apple"), "3");
    test.sysfs().addSwitch(QStringLiteral("hid-lenovo"), "1");
}

void nothing(ServiceFixture &) {}

TEST_P(CliTest, AnswersAndExitsAsDocumented) {
    GetParam().setUp(*this);
    const Run result = run(QStringLiteral("vantel-keyboard"),
                           QStringList{QStringLiteral("--session")} + GetParam().arguments);
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << qPrintable(result.output);
    EXPECT_TRUE(result.output.contains(GetParam().says)) << qPrintable(result.output);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliTest,
    ::testing::Values(
        CliCase{"ListsEachKeyboard", twoKeyboards, {"list"}, 0, "function-keys  hid-lenovo"},
        CliCase{"ListsAuto", twoKeyboards, {"list"}, 0, "auto           hid_apple"},
        CliCase{"ListSaysWhenNothingCanBeSwitched",
                nothing,
                {"list"},
                2,
                "No keyboard that Vantel can switch was found on this machine."},
        CliCase{"GetBeforeAnySet", nothing, {"get"}, 0, "none"},
        CliCase{"Set", twoKeyboards, {"set", "hardware-keys"}, 0, "Switched 2 keyboards."},
        CliCase{"SetWithoutKeyboards",
                nothing,
                {"set", "function-keys"},
                2,
                "no keyboard that Vantel can switch was found"},
        CliCase{"SetRefused",
                [](ServiceFixture &fixture) {
                    twoKeyboards(fixture);
                    static_cast<CliTest &>(fixture).authority()->setAnswer(false);
                },
                {"set", "function-keys"},
                4,
                "not authorised to change the keyboard mode"},
        CliCase{"SetFailedWriteNamesTheSwitch",
                [](ServiceFixture &fixture) {
                    auto &test = static_cast<CliTest &>(fixture);
                    const QString path = test.sysfs().root() + "/" +
                                         test.sysfs().addSwitch(QStringLiteral("lg-laptop"), "1");
                    QFile::remove(path);
                    QDir().mkdir(path);
                },
                {"set", "function-keys"},
                5,
                "/devices/platform/lg-laptop/fn_lock: Is a directory"},
        CliCase{"ApplyWithNothingKept", twoKeyboards, {"apply"}, 0, "No mode has been set yet"},
        CliCase{"UnknownMode", nothing, {"set", "auto"}, 1, "usage: vantel-keyboard"},
        CliCase{"UnknownCommand", nothing, {"toggle"}, 1, "usage: vantel-keyboard"},
        CliCase{"ServiceNotInstalled",
                [](ServiceFixture &fixture) { static_cast<CliTest &>(fixture).restartBus(false); },
                {"list"},
                3,
                "the keyboard service is not installed"}),
    [](const ::testing::TestParamInfo<CliCase> &tested) { return std::string(tested.param.name); });

// The command's whole round: set, then get and list show it, and apply writes it again.
TEST_F(ServiceFixture, CliSetThenGetListAndApply) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    EXPECT_EQ(
        run(QStringLiteral("vantel-keyboard"), {"--session", "set", "function-keys"}).exitCode, 0);
    EXPECT_EQ(run(QStringLiteral("vantel-keyboard"), {"--session", "get"}).output,
              QStringLiteral("function-keys\n"));
    EXPECT_TRUE(run(QStringLiteral("vantel-keyboard"), {"--session", "list"})
                    .output.startsWith(QStringLiteral("function-keys  hid_apple")));
    QFile attribute(sysfs_.root() + QLatin1Char('/') + id);
    ASSERT_TRUE(attribute.open(QIODevice::WriteOnly) && attribute.write("3\n") == 2);
    attribute.close();
    const Run applied = run(QStringLiteral("vantel-keyboard"), {"--session", "apply"});
    EXPECT_EQ(applied.output, QStringLiteral("Switched 1 keyboard.\n"));
    EXPECT_EQ(sysfs_.value(id), "2");
}

} // namespace

namespace {

// `check` reads the keys from a recorded stream instead of a keyboard's device.
class CheckTest : public ServiceFixture {
protected:
    Run check(const QList<int> &pressed, const QStringList &extra = {}) {
        QFile stream(input_.filePath(QStringLiteral("recorded")));
        EXPECT_TRUE(stream.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const int code : pressed)
            for (const int value : {1, 0}) {
                input_event event{};
                event.type = EV_KEY;
                event.code = quint16(code);
                event.value = value;
                stream.write(reinterpret_cast<const char *>(&event), sizeof event);
            }
        stream.close();
        return run(QStringLiteral("vantel-keyboard"),
                   QStringList{"--session", "check", "--input", stream.fileName()} + extra);
    }
};

TEST_F(CheckTest, SaysWhetherTheTableHoldsForTheKeyThatArrived) {
    sysfs_.addSwitch(QStringLiteral("ideapad_laptop"), "1"); // function keys first, says the table
    sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    struct Case {
        QList<int> pressed;
        int exitCode;
        const char *says;
    };
    for (const Case &tried :
         {Case{{KEY_F1}, 0, "ideapad_laptop (Lenovo IdeaPad laptop keyboard): the table holds"},
          Case{{KEY_A, KEY_F5}, 0, "the table holds"},
          Case{{KEY_BRIGHTNESSDOWN}, 6, "[Invert]\n    ideapad_laptop=true"},
          Case{{KEY_A}, 5, "no key of the top row arrived"}}) {
        const Run result = check(tried.pressed);
        EXPECT_EQ(result.exitCode, tried.exitCode) << qPrintable(result.output);
        EXPECT_TRUE(result.output.contains(QLatin1String(tried.says))) << qPrintable(result.output);
        EXPECT_FALSE(result.output.contains(QLatin1String("not on disk")))
            << qPrintable(result.output);
        EXPECT_TRUE(result.output.contains(QLatin1String("reads auto, which Vantel does not")) ||
                    tried.exitCode == 5)
            << qPrintable(result.output);
    }
    // A device it cannot read is told at once, with no key asked for that could never arrive.
    const Run unreadable = run(QStringLiteral("vantel-keyboard"),
                               {"--session", "check", "--input", input_.filePath("missing")});
    EXPECT_EQ(unreadable.exitCode, 5);
    EXPECT_TRUE(unreadable.output.contains(QLatin1String("cannot read")))
        << qPrintable(unreadable.output);
    EXPECT_FALSE(unreadable.output.contains(QLatin1String("Press F1")));
}

// Stands in for a service whose attempts to put the kept mode on disk failed, which the real
// one cannot be made to do on demand: it answers the two properties `check` reads.
class NotOnDiskService : public QDBusVirtualObject {
public:
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override {
        const QString name = message.arguments().value(1).toString();
        const QVariant value =
            name == QLatin1String("Keyboards")
                ? QVariant::fromValue(KeyboardEntries{
                      {"hid_apple:0", "Apple keyboard", "hid_apple", "function-keys"}})
                : QVariant(QStringLiteral("Could not flush /var/lib/vantel: Input/output error"));
        return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
    }
};

TEST_F(CheckTest, SaysWhenTheKeptModeIsNotOnDisk) {
    startBus(0, false);
    QDBusConnection standIn = bus_->connect(QStringLiteral("not-on-disk"));
    NotOnDiskService object;
    ASSERT_TRUE(standIn.registerVirtualObject(QStringLiteral("/org/vantel/Keyboard1"), &object) &&
                standIn.registerService(QStringLiteral("org.vantel.Keyboard1")));
    const Run result = check({KEY_F1});
    EXPECT_EQ(result.exitCode, 0) << qPrintable(result.output);
    EXPECT_TRUE(
        result.output.contains("a power cut would lose it: Could not flush /var/lib/vantel: "
                               "Input/output error"))
        << qPrintable(result.output);
    standIn.unregisterObject(QStringLiteral("/org/vantel/Keyboard1"));
}

// The administrator's file already inverting the driver: the advice is to take that line out.
TEST_F(CheckTest, NamesTheLineThatAlreadyInvertsTheDriver) {
    sysfs_.addSwitch(QStringLiteral("ideapad_laptop"), "1");
    const QString config = input_.filePath(QStringLiteral("keyboard.conf"));
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("[Invert]\nideapad_laptop=true\nideapad_laptop=maybe\n") > 0);
    file.close();
    const Run result = check({KEY_BRIGHTNESSDOWN}, {"--config", config});
    EXPECT_EQ(result.exitCode, 6) << qPrintable(result.output);
    EXPECT_TRUE(result.output.contains("take out line 2 of " + config))
        << qPrintable(result.output);
    EXPECT_TRUE(result.output.contains(config + " line 3: ideapad_laptop takes true or false"))
        << qPrintable(result.output);
}

} // namespace
