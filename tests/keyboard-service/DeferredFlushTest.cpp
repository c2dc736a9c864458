// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/DeferredFlush.h"
#include "QtPrinters.h"

#include <QList>
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>
#include <tuple>

namespace {

// Requests made while a run is under way are served by one later run, and the one still pending
// when the service ends is not dropped: the kept mode would then never reach the disk.
TEST(DeferredFlush, ServesRequestsMadeDuringARunAndBeforeTheEnd) {
    std::promise<void> entered, release;
    const std::shared_future<void> released = release.get_future().share();
    std::atomic<int> runs = 0;
    {
        DeferredFlush flush([&]() -> std::optional<QString> {
            if (runs++ == 0) {
                entered.set_value();
                released.wait();
            }
            return std::nullopt;
        });
        flush.request();
        entered.get_future().wait();
        flush.request();
        flush.request();
        release.set_value();
    }
    EXPECT_EQ(runs, 2);
}

// Someone flipping back and forth reaches the disk once, and the end of the service does not
// wait out the settling time.
TEST(DeferredFlush, ABurstOfRequestsCostsOneRun) {
    std::atomic<int> runs = 0;
    {
        DeferredFlush flush(
            [&]() -> std::optional<QString> {
                ++runs;
                return std::nullopt;
            },
            std::chrono::hours(1));
        for (int i = 0; i < 3; ++i)
            flush.request();
    }
    EXPECT_EQ(runs, 1);
}

// A failing disk is tried again a few times, anew at each request, and once more at the end.
TEST(DeferredFlush, RetriesAFailedRunAFewTimesAndOnceMoreAtTheEnd) {
    // Runs failing before the disk recovers, runs seen after each request, runs in all.
    for (const auto &[failures, runsSeen, runsInAll] :
         {std::tuple{1, QList<int>{2}, 2}, std::tuple{1000, QList<int>{3, 6}, 7}}) {
        const QString failure = failures < runsInAll ? QString() : QStringLiteral("disk gone");
        std::atomic<int> runs = 0;
        DeferredFlush flush(
            [&, failures = failures]() -> std::optional<QString> {
                return runs++ < failures ? std::optional(QStringLiteral("disk gone"))
                                         : std::nullopt;
            },
            std::chrono::milliseconds(0), FlushRetry{3, std::chrono::milliseconds(1)});
        for (const int expected : runsSeen) {
            flush.request();
            for (int i = 0; i < 20000 && (runs != expected || flush.failure() != failure); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ASSERT_EQ(runs, expected);
        }
        EXPECT_EQ(flush.finish(), failure);
        EXPECT_EQ(runs, runsInAll);
    }
}

} // namespace
