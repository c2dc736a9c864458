#include "keyboard-service/DeferredFlush.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

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

// A disk that fails once must not leave the kept mode off it for good, nor one that keeps
// failing be hammered for ever: a few retries, anew at each request, and one last attempt when
// the service ends; failure() tells why while the last run failed.
TEST(DeferredFlush, RetriesAFailedRunAFewTimesAndOnceMoreAtTheEnd) {
    struct Case {
        const char *name;
        int failures;
        int requests;
        int runsPerRequest;
    };
    for (const Case &tried :
         {Case{"recovers at the first retry", 1, 1, 2}, Case{"never recovers", 1000, 1, 3},
          Case{"a new request tries anew", 1000, 2, 3}}) {
        SCOPED_TRACE(tried.name);
        std::atomic<int> runs = 0;
        DeferredFlush flush(
            [&]() -> std::optional<QString> {
                if (runs++ < tried.failures)
                    return QStringLiteral("disk gone");
                return std::nullopt;
            },
            std::chrono::milliseconds(0), FlushRetry{3, std::chrono::milliseconds(1)});
        const bool recovers = tried.failures < tried.runsPerRequest;
        for (int request = 1; request <= tried.requests; ++request) {
            flush.request();
            const auto done = [&] {
                return runs == tried.runsPerRequest * request &&
                       flush.failure().isEmpty() == recovers;
            };
            for (int waited = 0; !done() && waited < 20000; ++waited)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ASSERT_TRUE(done()) << runs;
        }
        EXPECT_EQ(flush.finish(), recovers ? QString() : QStringLiteral("disk gone"));
        EXPECT_EQ(runs, tried.runsPerRequest * tried.requests + (recovers ? 0 : 1));
    }
}

} // namespace
