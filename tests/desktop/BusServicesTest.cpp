// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "PrivateBus.h"
#include "desktop/DBusNotificationCenter.h"
#include "desktop/SingleInstance.h"
#include "desktop/ToggleService.h"
#include "support/FakeNotificationServer.h"
#include "support/FakeTrayWatcher.h"
#include "tray/TrayAvailability.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class BusTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(bus.isRunning()); }

    PrivateBus bus;
};

TEST_F(BusTest, OnlyOneInstanceHoldsTheSessionUntilItLetsGo) {
    const QString unused = QStringLiteral("/nonexistent/lock");
    SingleInstance first(bus.connect(QStringLiteral("first")), unused);
    SingleInstance second(bus.connect(QStringLiteral("second")), unused);
    EXPECT_TRUE(first.claimed());
    EXPECT_FALSE(second.claimed());
    first.release();
    SingleInstance third(bus.connect(QStringLiteral("third")), unused);
    EXPECT_TRUE(third.claimed());
}

// The call goes through the adaptor generated from the interface file to the program's toggle.
TEST_F(BusTest, AToggleCalledOnTheBusReachesTheProgram) {
    ToggleService service;
    QSignalSpy asked(&service, &ToggleService::toggleRequested);
    QDBusConnection program = bus.connect(QStringLiteral("program"));
    ASSERT_TRUE(service.exportOn(program));
    const QDBusPendingCall call = bus.connect(QStringLiteral("caller"))
                                      .asyncCall(QDBusMessage::createMethodCall(
                                          program.baseService(), ToggleService::objectPath,
                                          ToggleService::interfaceName, QStringLiteral("Toggle")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return call.isFinished(); }, 10000));
    EXPECT_FALSE(call.isError()) << qPrintable(call.error().message());
    EXPECT_EQ(asked.count(), 1);
}

TEST(SingleInstanceTest, WithoutABusALockFileStandsIn) {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("vantel.lock"));
    const QDBusConnection noBus(QStringLiteral("never-connected"));
    SingleInstance first(noBus, lock);
    SingleInstance second(noBus, lock);
    EXPECT_TRUE(first.claimed());
    EXPECT_FALSE(second.claimed());
    first.release();
    SingleInstance third(noBus, lock);
    EXPECT_TRUE(third.claimed());
}

NotificationRequest banner() {
    return {QStringLiteral("0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0"),
            {QStringLiteral("Function Keys toggled"),
             QStringLiteral("Enabled: F1, F2 act as standard function keys")},
            std::chrono::milliseconds(100)};
}

TEST_F(BusTest, ABannerReachesTheServerAfterItsTriggerAsANewNotification) {
    FakeNotificationServer server;
    QDBusConnection serverSide = bus.connect(QStringLiteral("server"));
    ASSERT_TRUE(serverSide.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                                          QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serverSide.registerService(QStringLiteral("org.freedesktop.Notifications")));

    DBusNotificationCenter centre(bus.connect(QStringLiteral("client")));
    centre.add(banner());
    QCoreApplication::processEvents();
    EXPECT_TRUE(server.calls.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !server.calls.isEmpty(); }, 5000));
    ASSERT_EQ(server.calls.size(), 1);
    const QVariantList &call = server.calls[0];
    EXPECT_EQ(call[0].toString(), QStringLiteral("Vantel"));
    EXPECT_EQ(call[1].toUInt(), 0u);
    EXPECT_EQ(call[3].toString(), banner().content.title);
    EXPECT_EQ(call[4].toString(), banner().content.body);
    EXPECT_TRUE(call[5].toStringList().isEmpty());
    EXPECT_EQ(call[6].toMap().value(QStringLiteral("x-vantel-request-id")).toString(),
              banner().identifier);
}

TEST(NotifyMessageTest, IsAnAsynchronousNotifyCallToTheDesktopService) {
    const QDBusMessage message = notifyMessage(banner());
    EXPECT_EQ(message.service(), QStringLiteral("org.freedesktop.Notifications"));
    EXPECT_EQ(message.path(), QStringLiteral("/org/freedesktop/Notifications"));
    EXPECT_EQ(message.member(), QStringLiteral("Notify"));
    const QVariantList arguments = message.arguments();
    ASSERT_EQ(arguments.size(), 8);
    const QList<int> types{QMetaType::QString,     QMetaType::UInt,    QMetaType::QString,
                           QMetaType::QString,     QMetaType::QString, QMetaType::QStringList,
                           QMetaType::QVariantMap, QMetaType::Int};
    for (int i = 0; i < arguments.size(); ++i)
        EXPECT_EQ(arguments[i].typeId(), types[i]) << i;
    EXPECT_EQ(arguments[7].toInt(), -1); // the server's own display time
}

// Collects what the program says under the "vantel" category.
QStringList said;
void keepVantelMessages(QtMsgType, const QMessageLogContext &context, const QString &text) {
    if (QLatin1String(context.category) == QLatin1String("vantel"))
        said.append(text);
}

class TrayAvailabilityTest : public BusTest {
protected:
    void SetUp() override {
        BusTest::SetUp();
        said.clear();
        previous = qInstallMessageHandler(keepVantelMessages);
        // The program asks the watcher blocking questions, so it answers from a thread of its own,
        // as a panel process would.
        watcher.moveToThread(&panelThread);
        panelThread.start();
    }
    void TearDown() override {
        panelThread.quit();
        panelThread.wait();
        qInstallMessageHandler(previous);
    }

    void startWatcher() {
        ASSERT_TRUE(panel.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                                         QDBusConnection::ExportAllProperties |
                                             QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(panel.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
    }
    std::unique_ptr<TrayAvailability> make(bool shown) {
        return std::make_unique<TrayAvailability>(bus.connect(QStringLiteral("app")),
                                                  [this, shown] {
                                                      ++looks;
                                                      return shown;
                                                  });
    }

    QtMessageHandler previous = nullptr;
    QDBusConnection panel = bus.connect(QStringLiteral("panel"));
    QThread panelThread;
    FakeTrayWatcher watcher;
    int looks = 0;
};

TEST_F(TrayAvailabilityTest, WithNoTraySaysSoOnceAndRestartsOnceWhenAHostAppears) {
    auto tray = make(false);
    EXPECT_FALSE(tray->usesStatusNotifier());
    QSignalSpy restart(tray.get(), &TrayAvailability::restartNeeded);
    tray->start();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("No system tray is available")));

    watcher.host = true;
    startWatcher();
    EXPECT_TRUE(restart.wait(5000));
    emit watcher.StatusNotifierHostRegistered();
    QTest::qWait(200);
    EXPECT_EQ(restart.size(), 1);
    EXPECT_EQ(said.size(), 1);
}

TEST_F(TrayAvailabilityTest, AHostRegisteringWithARunningWatcherAsksForARestart) {
    startWatcher();
    auto tray = make(false);
    EXPECT_FALSE(tray->usesStatusNotifier());
    QSignalSpy restart(tray.get(), &TrayAvailability::restartNeeded);
    tray->start();
    watcher.host = true;
    emit watcher.StatusNotifierHostRegistered();
    EXPECT_TRUE(restart.wait(5000));
}

TEST_F(TrayAvailabilityTest, AnIconAnXEmbedTrayShowsNeedsNoRestart) {
    auto tray = make(true);
    QSignalSpy restart(tray.get(), &TrayAvailability::restartNeeded);
    tray->start();
    EXPECT_TRUE(said.isEmpty());
    watcher.host = true;
    startWatcher();
    const int before = looks;
    EXPECT_TRUE(QTest::qWaitFor([&] { return looks > before; }, 5000));
    EXPECT_TRUE(restart.isEmpty());
}

TEST_F(TrayAvailabilityTest, AHostThereAtStartMeansStatusNotifierAndNothingToWatch) {
    watcher.host = true;
    startWatcher();
    auto tray = make(false);
    EXPECT_TRUE(tray->usesStatusNotifier());
    QSignalSpy restart(tray.get(), &TrayAvailability::restartNeeded);
    tray->start();
    emit watcher.StatusNotifierHostRegistered();
    QTest::qWait(200);
    EXPECT_TRUE(restart.isEmpty());
    EXPECT_TRUE(said.isEmpty());
}

} // namespace
