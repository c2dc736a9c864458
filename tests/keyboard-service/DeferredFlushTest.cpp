#include "keyboard-service/DeferredFlush.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace {

// Requests made while a run is under way are served by one later run, and the one still pending
// when the service ends is not dropped: the kept mode would then never reach the disk.
TEST(DeferredFlush, ServesRequestsMadeDuringARunAndBeforeTheEnd) {
    std::promise<void> entered, release;
    const std::shared_future<void> released = release.get_future().share();
    std::atomic<int> runs = 0;
    {
        DeferredFlush flush([&] {
            if (runs++ == 0) {
                entered.set_value();
                released.wait();
            }
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
        DeferredFlush flush([&] { ++runs; }, std::chrono::hours(1));
        for (int i = 0; i < 3; ++i)
            flush.request();
    }
    EXPECT_EQ(runs, 1);
}

} // namespace
