// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "desktop/AboutWindow.h"
#include "runtime/DisplayCheck.h"
#include "runtime/TerminationSignals.h"
#include "runtime/ThreadPoolWorkQueue.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    const char *name;
    DisplayEnvironment environment;
    bool waylandPluginInstalled;
    bool xAnswers;
    const char *platform;     // empty: none can start
    const char *problemStart; // with no platform
    const char *fallbackStart;
};

// The only socket a compositor listens on in these cases.
const QString liveWayland = QStringLiteral("/run/user/7/wayland-0");

class DisplayCheckTest : public ::testing::TestWithParam<DisplayCase> {};

::testing::AssertionResult startsWith(const QString &text, const char *start) {
    const QString expected = QString::fromUtf8(start);
    if (expected.isEmpty() ? text.isEmpty() : text.startsWith(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << '"' << text.toStdString() << "\" does not start with \"" << start << '"';
}

TEST_P(DisplayCheckTest, ChoosesAPlatformThatCanStartOrSaysWhyNone) {
    const DisplayCase &row = GetParam();
    const DisplayProbes probes{
        [&](const QString &key) {
            static const QStringList installed{QStringLiteral("xcb"), QStringLiteral("offscreen")};
            return installed.contains(key) ||
                   (row.waylandPluginInstalled && key == QLatin1String("wayland"));
        },
        [&](const QString &) { return row.xAnswers; },
        [](const QString &path) { return path == liveWayland; }};
    const PlatformChoice choice = choosePlatform(row.environment, probes);
    EXPECT_EQ(choice.platform, QString::fromUtf8(row.platform));
    EXPECT_TRUE(startsWith(choice.problem, row.problemStart));
    EXPECT_EQ(choice.problem.isEmpty(), !choice.platform.isEmpty());
    EXPECT_FALSE(choice.problem.contains(QLatin1Char('\n')));
    EXPECT_TRUE(startsWith(choice.fallbackReason, row.fallbackStart));
}

DisplayEnvironment session(const char *platform, const char *display, const char *wayland,
                           const char *runtime = "/run/user/7") {
    return {QString::fromUtf8(platform),
            QString::fromUtf8(display),
            QString::fromUtf8(wayland),
            QString::fromUtf8(runtime),
            {}};
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DisplayCheckTest,
    ::testing::Values(
        DisplayCase{"Nothing", session("", "", ""), true, false, "",
                    "No display: neither DISPLAY nor WAYLAND_DISPLAY", ""},
        DisplayCase{"X", session("", ":5", ""), true, true, "xcb", "", ""},
        DisplayCase{"DeadX", session("", ":5", ""), true, false, "",
                    "Cannot open the X display \":5\".", ""},
        DisplayCase{"Wayland", session("", "", "wayland-0"), true, false, "wayland", "", ""},
        DisplayCase{"WaylandBeforeXWayland", session("", ":5", "wayland-0"), true, true, "wayland",
                    "", ""},
        DisplayCase{"AbsoluteWaylandSocket", session("", "", "/run/user/7/wayland-0", ""), true,
                    false, "wayland", "", ""},
        DisplayCase{"StaleWaylandFallsBackToX", session("", ":5", "wayland-1"), true, true, "xcb",
                    "", "Cannot connect to the Wayland display \"wayland-1\"."},
        DisplayCase{"MissingPluginFallsBackToX", session("", ":5", "wayland-0"), false, true, "xcb",
                    "", "The Qt platform plugin \"wayland\" is not installed."},
        DisplayCase{"StaleWaylandWithoutX", session("", "", "wayland-bogus"), true, false, "",
                    "Cannot connect to the Wayland display \"wayland-bogus\".", ""},
        DisplayCase{"StaleWaylandAndDeadX", session("", ":5", "wayland-1"), true, false, "",
                    "Cannot connect to the Wayland display \"wayland-1\". Cannot open the X", ""},
        DisplayCase{"WaylandWithoutRuntimeDirectory", session("", "", "wayland-0", ""), true, false,
                    "", "Cannot connect to the Wayland display \"wayland-0\": XDG_RUNTIME_DIR", ""},
        DisplayCase{"RequestedWaylandIsHonoured", session("wayland", ":5", "wayland-1"), true, true,
                    "", "Cannot connect to the Wayland display", ""},
        DisplayCase{"RequestedPluginMissing", session("no-such-plugin", ":5", ""), true, true, "",
                    "The Qt platform plugin \"no-such-plugin\" is not installed.", ""},
        DisplayCase{"RequestedListFirstThatStarts", session("wayland;xcb", ":5", "wayland-1"), true,
                    true, "xcb", "", ""},
        DisplayCase{"RequestedWithArguments", session("xcb:nograb", ":5", ""), true, true,
                    "xcb:nograb", "", ""},
        DisplayCase{"RequestedXWithoutDisplay", session("xcb", "", "wayland-0"), true, false, "",
                    "No X display: DISPLAY is not set.", ""},
        DisplayCase{"Offscreen", session("offscreen", "", ""), true, false, "offscreen", "", ""}),
    [](const auto &row) { return row.param.name; });

TEST(DisplayProbesTest, FindInstalledPluginsAndLiveWaylandSockets) {
    QTemporaryDir dir;
    DisplayEnvironment environment = session("", "", "live", qPrintable(dir.path()));
    const DisplayProbes probes =
        systemDisplayProbes(environment, [](const QString &) { return false; });
    // Keys come from the plugins' metadata, matched as Qt matches them.
    EXPECT_TRUE(probes.hasPlugin(QStringLiteral("xcb")));
    EXPECT_TRUE(probes.hasPlugin(QStringLiteral("Offscreen")));
    EXPECT_FALSE(probes.hasPlugin(QStringLiteral("no-such-plugin")));

    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray live = QFile::encodeName(dir.filePath(QStringLiteral("live")));
    ASSERT_LT(live.size(), qsizetype(sizeof(address.sun_path)));
    std::memcpy(address.sun_path, live.constData(), size_t(live.size()));
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(server, 4), 0);
    EXPECT_EQ(waylandSocketPath(environment), dir.filePath(QStringLiteral("live")));
    EXPECT_TRUE(probes.canOpenWayland(waylandSocketPath(environment)));
    QFile stale(dir.filePath(QStringLiteral("stale")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    EXPECT_FALSE(probes.canOpenWayland(stale.fileName()));
    EXPECT_FALSE(probes.canOpenWayland(dir.filePath(QString(200, QLatin1Char('x')))));
    ::close(server);
}

TEST(ThreadPoolWorkQueueTest, WorksInTheBackgroundAndReturnsQueuedToTheMainThread) {
    QThread *backgroundThread = nullptr;
    QThread *mainThread = nullptr;
    std::atomic<bool> finished = false;
    {
        ThreadPoolWorkQueue queue;
        queue.runInBackground([&] {
            backgroundThread = QThread::currentThread();
            queue.runOnMain([&] { mainThread = QThread::currentThread(); });
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return mainThread != nullptr; }, 5000));
        queue.runOnMain([&] { mainThread = nullptr; });
        EXPECT_NE(mainThread, nullptr); // not run inside the call
        queue.runInBackground([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            finished = true;
        });
    }
    EXPECT_NE(backgroundThread, QThread::currentThread());
    EXPECT_TRUE(finished); // destruction waited for it
}

TEST(AboutWindowTest, OneWindowIsReusedWhileOpenAndClosingItEndsNothing) {
    int iconsMade = 0;
    AboutWindow about([&] {
        ++iconsMade;
        return QIcon();
    });
    QFont font;
    font.setPointSizeF(12);
    about.orderFront({QStringLiteral("Version 1.4 (12)"), QStringLiteral("credits"), font});
    QPointer<QWidget> window = about.window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    about.orderFront({QStringLiteral("Version 1.5"), QStringLiteral("credits"), font});
    EXPECT_EQ(about.window(), window.data());
    EXPECT_EQ(iconsMade, 1);
    const auto *version = window->findChild<QLabel *>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version 1.5"));
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("credits"))->font().pointSizeF(), 12.0);

    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    EXPECT_TRUE(lastClosed.isEmpty());
}

TEST(TerminationSignalsTest, EachSignalBecomesOneQuitOnTheMainThread) {
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        int quits = 0;
        Qt::HANDLE quitThread = nullptr;
        {
            const TerminationSignals signalsSeen([&] {
                ++quits;
                quitThread = QThread::currentThreadId();
            });
            std::raise(signalNumber);
            EXPECT_TRUE(QTest::qWaitFor([&] { return quits > 0; }, 10000)) << signalNumber;
            QTest::qWait(20);
        }
        EXPECT_EQ(quits, 1) << signalNumber;
        EXPECT_EQ(quitThread, QThread::currentThreadId());
    }
}

} // namespace
