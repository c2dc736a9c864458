// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// The service against the polkit daemon Debian ships, not the tests' stand-in: the project's own
// policy file decides, with a rule of the test's, for callers running as other users.
#include "ServiceFixture.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

const QString polkitd = QStringLiteral("/usr/lib/polkit-1/polkitd");
const QString policyFile =
    QStringLiteral(VANTEL_KEYBOARD_SOURCE_DATA_DIR "/org.vantel.keyboard.policy");
// `daemon` is allowed by the rule below; `nobody` meets the policy's own default for a caller
// outside any session: an administrator's password, which no agent is there to ask for.
const char *rule = R"(polkit.addRule(function(action, subject) {
    if (action.id == "org.vantel.keyboard.set-mode" && subject.user == "daemon")
        return polkit.Result.YES;
});
)";

struct PolkitCase {
    const char *name;
    QStringList runAs; // setpriv's arguments; none to run as the test (root)
    int exitCode;
    QString says;
    QByteArray valueAfter;
};

void PrintTo(const PolkitCase &tested, std::ostream *out) {
    *out << tested.name;
}

class RealPolkitTest : public ServiceFixture, public ::testing::WithParamInterface<PolkitCase> {
protected:
    void SetUp() override {
        if (::geteuid() != 0 || !QFileInfo(polkitd).isExecutable())
            GTEST_SKIP() << "needs root and " << qPrintable(polkitd);
        registerKeyboardBusTypes();
        startBus(0, true, false);
        startAuthority();
    }

    void TearDown() override {
        authority_.terminate();
        authority_.waitForFinished(5000);
    }

    // polkitd reads its actions and rules from fixed folders: in a mount namespace of its own
    // they are the test's, and the machine's stay as they were.
    void startAuthority() {
        QDir folders(folders_.path());
        ASSERT_TRUE(folders.mkpath(QStringLiteral("actions")) &&
                    folders.mkpath(QStringLiteral("rules")) &&
                    folders.mkpath(QStringLiteral("empty")));
        ASSERT_TRUE(
            QFile::copy(policyFile, folders.filePath("actions/org.vantel.keyboard.policy")));
        QFile rules(folders.filePath("rules/50-test.rules"));
        ASSERT_TRUE(rules.open(QIODevice::WriteOnly) && rules.write(rule) > 0);
        ServiceBus::openToEveryone(folders_.path());
        const QString script =
            QStringLiteral(
                "mount --bind %1/actions /usr/share/polkit-1/actions && "
                "mount --bind %1/rules /etc/polkit-1/rules.d && "
                "mount --bind %1/empty /usr/share/polkit-1/rules.d && exec %2 --no-debug")
                .arg(folders_.path(), polkitd);
        QProcessEnvironment environment = bus_->environment();
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), bus_->address());
        authority_.setProcessEnvironment(environment);
        authority_.setProcessChannelMode(QProcess::MergedChannels);
        authority_.start(QStringLiteral("unshare"),
                         {QStringLiteral("--mount"), QStringLiteral("--propagation"),
                          QStringLiteral("private"), QStringLiteral("sh"), QStringLiteral("-c"),
                          script});
        const auto registered = [this] {
            return client_.interface()
                ->isServiceRegistered(QStringLiteral("org.freedesktop.PolicyKit1"))
                .value();
        };
        [[maybe_unused]] const bool settled = QTest::qWaitFor(
            [&] { return registered() || authority_.state() == QProcess::NotRunning; }, 10000);
        if (authority_.state() == QProcess::NotRunning)
            GTEST_SKIP() << "polkitd could not be given folders of its own: "
                         << authority_.readAll().toStdString();
        ASSERT_TRUE(registered()) << authority_.readAll().toStdString();
    }

    QTemporaryDir folders_;
    QProcess authority_;
};

TEST_P(RealPolkitTest, DecidesWhoMaySwitch) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "1");
    const PolkitCase &tested = GetParam();
    const QStringList cli{ServiceBus::binary(QStringLiteral("vantel-keyboard")),
                          QStringLiteral("--session"), QStringLiteral("set"),
                          QStringLiteral("function-keys")};
    const Run result = tested.runAs.isEmpty()
                           ? run(QStringLiteral("vantel-keyboard"), cli.mid(1))
                           : runProgram(QStringLiteral("setpriv"), tested.runAs + cli);
    EXPECT_EQ(result.exitCode, tested.exitCode) << qPrintable(result.output);
    EXPECT_TRUE(result.output.contains(tested.says)) << qPrintable(result.output);
    EXPECT_EQ(sysfs_.value(id), tested.valueAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Callers, RealPolkitTest,
    ::testing::Values(PolkitCase{"Root", {}, 0, "Switched 1 keyboard.", "2"},
                      PolkitCase{"AllowedByARule",
                                 {"--reuid=daemon", "--regid=daemon", "--clear-groups"},
                                 0,
                                 "Switched 1 keyboard.",
                                 "2"},
                      PolkitCase{"NoSessionAndNoAgent",
                                 {"--reuid=nobody", "--regid=nogroup", "--clear-groups"},
                                 4,
                                 "not authorised to change the keyboard mode",
                                 "1"}),
    [](const ::testing::TestParamInfo<PolkitCase> &tested) { return tested.param.name; });

} // namespace
