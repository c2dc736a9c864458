#include "platform/AboutWindow.h"
#include "platform/DisplayCheck.h"
#include "platform/TerminationSignals.h"
#include "platform/ThreadPoolWorkQueue.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include <gtest/gtest.h>

namespace {

struct DisplayCase {
    const char *name;
    DisplayEnvironment environment;
    bool xAnswers;
    const char *problemStart; // empty: no problem
};

class DisplayCheckTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayCheckTest, NamesWhatIsMissingBeforeQtWouldAbort) {
    const QString problem =
        displayProblem(GetParam().environment, [](const QString &) { return GetParam().xAnswers; });
    const QString expected = QString::fromUtf8(GetParam().problemStart);
    if (expected.isEmpty())
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    else
        EXPECT_TRUE(problem.startsWith(expected)) << problem.toStdString();
    EXPECT_FALSE(problem.contains(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(
    Environments, DisplayCheckTest,
    ::testing::Values(
        DisplayCase{"Nothing", {}, false, "No display: neither DISPLAY nor WAYLAND_DISPLAY"},
        DisplayCase{"X", {{}, ":5", {}}, true, ""},
        DisplayCase{"DeadX", {{}, ":5", {}}, false, "Cannot open the X display \":5\"."},
        DisplayCase{"WaylandOnly", {{}, {}, "wayland-0"}, false, ""},
        DisplayCase{"XcbWithoutDisplay", {"xcb", {}, "wayland-0"}, false, "No display: DISPLAY"},
        DisplayCase{"WaylandPluginWithoutWayland", {"wayland", ":5", {}}, true, "No Wayland"},
        DisplayCase{"FallbackToXcb", {"wayland;xcb", ":5", {}}, true, ""},
        DisplayCase{"Offscreen", {"offscreen", {}, {}}, false, ""}),
    [](const auto &row) { return row.param.name; });

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
