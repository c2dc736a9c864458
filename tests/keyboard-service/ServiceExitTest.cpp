// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ServiceFixture.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCall>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A property read sent to the service's unique name, which outlives its well-known one.
QDBusMessage modeFrom(const QString &owner) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        owner, QStringLiteral("/org/vantel/Keyboard1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.vantel.Keyboard1") << QStringLiteral("Mode");
    return get;
}

class ServiceExitTest : public ServiceFixture {
protected:
    QStringList stateFiles() {
        return QDir(state_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

// Calls that reach the service while it leaves are answered, never dropped (NoReply); a call
// that arrives once it has gone is refused by the bus instead, which the caller can act on.
TEST_F(ServiceExitTest, CallsSentRightAfterTheNameIsGivenBackAreNeverDropped) {
    startBus(1);
    EXPECT_EQ(keptMode(), QString());
    const QString owner = client_.interface()->serviceOwner("org.vantel.Keyboard1").value();
    // Ten callers, since each may await at most 128 replies.
    QList<QDBusConnection> callers;
    for (int c = 0; c < 10; ++c)
        callers.append(bus_->connect(QStringLiteral("late-%1").arg(c)));
    QList<QDBusPendingCall> calls;
    QDBusServiceWatcher watcher(QStringLiteral("org.vantel.Keyboard1"), client_,
                                QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceUnregistered, [&] {
        for (int i = 0; i < 1000; ++i)
            calls.append(callers[i % 10].asyncCall(modeFrom(owner)));
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return calls.size() == 1000; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return std::all_of(calls.begin(), calls.end(), [](auto &c) { return c.isFinished(); });
        },
        20000));
    for (const QDBusPendingCall &call : calls) {
        const QDBusMessage reply = call.reply();
        if (reply.type() != QDBusMessage::ReplyMessage) {
            ASSERT_EQ(reply.errorName(), "org.freedesktop.DBus.Error.ServiceUnknown")
                << qPrintable(reply.errorMessage());
        }
    }
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !client_.interface()->isServiceRegistered(owner); }, 20000));
}

// Reads keep no root process alive, not even at its unique name once it gave its name back.
TEST_F(ServiceExitTest, ReadsAloneDoNotKeepTheService) {
    startBus(1);
    keptMode();
    const QString owner = client_.interface()->serviceOwner("org.vantel.Keyboard1").value();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return ServiceBus::call(client_, modeFrom(owner)).type() != QDBusMessage::ReplyMessage;
        },
        60000));
}

// systemd stops the service with SIGTERM as soon as the name is given back, or when the unit
// is stopped: the checks held are answered at once, without waiting for the authority's replies
// to their cancellation, which may never come.
TEST_F(ServiceExitTest, SigtermAnswersEveryPendingCheckAndExitsCleanly) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    startBus(0, false);
    QProcess service;
    service.setProcessEnvironment(bus_->environment());
    service.start(ServiceBus::binary(QStringLiteral("vantel-keyboard-service")),
                  {"--session", "--sysfs-root", sysfs_.root(), "--state-dir", state_.path(),
                   "--idle-exit", "0"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return bus_->serviceRunning(); }, 20000));
    // A subscriber keeps an idle service, never one asked to stop.
    ASSERT_EQ(call(QStringLiteral("Subscribe")).type(), QDBusMessage::ReplyMessage);
    authority_->hold();
    authority_->ignoreCancellations();
    // A user holds eight checks at most: the cap of 32 takes four users, which only root can be.
    const QStringList uids =
        ::geteuid() == 0 ? QStringList{"1", "2", "3", "65534"} : QStringList{QString()};
    const QStringList cli{ServiceBus::binary(QStringLiteral("vantel-keyboard")), "--session", "set",
                          "function-keys"};
    std::vector<std::unique_ptr<QProcess>> callers;
    for (int i = 0; i < 8 * uids.size(); ++i) {
        const QString uid = uids[i % uids.size()];
        callers.push_back(std::make_unique<QProcess>());
        callers.back()->setProcessEnvironment(bus_->environment());
        if (uid.isEmpty())
            callers.back()->start(cli.first(), cli.mid(1));
        else
            callers.back()->start(
                "setpriv", QStringList{"--reuid=" + uid, "--regid=" + uid, "--clear-groups"} + cli);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return authority_->waiting() == 8 * uids.size(); }, 60000));

    QElapsedTimer stopping;
    stopping.start();
    service.terminate();
    ASSERT_TRUE(QTest::qWaitFor([&] { return service.state() == QProcess::NotRunning; }, 60000));
    std::printf("exited %lld ms after SIGTERM\n", static_cast<long long>(stopping.elapsed()));
    for (const auto &caller : callers) {
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return caller->state() == QProcess::NotRunning; }, 20000));
        EXPECT_TRUE(
            caller->readAllStandardError().contains("Not switched: the service is stopping"));
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return authority_->cancellations().size() == 8 * uids.size(); }, 20000));
    EXPECT_EQ(service.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(service.exitCode(), 0);
    EXPECT_EQ(sysfs_.value(id), "3");
}

// --apply waits for a switch in progress, and clears what a killed writer left behind.
TEST_F(ServiceExitTest, ApplyWaitsForTheLockSharedWithSetMode) {
    const QString id = sysfs_.addSwitch(QStringLiteral("hid_apple"), "3");
    ASSERT_EQ(setMode(QStringLiteral("function-keys")).type(), QDBusMessage::ReplyMessage);
    QFile(sysfs_.root() + QLatin1Char('/') + id).open(QIODevice::WriteOnly);
    QFile(state_.filePath(".keyboard-mode.Xk3j9a")).open(QIODevice::WriteOnly);
    const int lock =
        ::open(qPrintable(state_.filePath(".keyboard-mode.lock")), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);

    QProcess apply;
    apply.start(ServiceBus::binary(QStringLiteral("vantel-keyboard-service")),
                {"--apply", "--sysfs-root", sysfs_.root(), "--state-dir", state_.path()});
    ASSERT_TRUE(apply.waitForStarted());
    QTest::qWait(500);
    EXPECT_EQ(apply.state(), QProcess::Running);
    EXPECT_EQ(sysfs_.value(id), "");
    ::close(lock);
    ASSERT_TRUE(apply.waitForFinished(20000));
    EXPECT_EQ(apply.exitCode(), 0);
    EXPECT_EQ(sysfs_.value(id), "2");
    EXPECT_EQ(stateFiles(), (QStringList{".keyboard-mode.lock", "keyboard-mode"}));
}

} // namespace
