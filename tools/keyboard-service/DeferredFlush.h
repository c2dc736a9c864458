#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Runs a durability barrier (fsync and the like) on a thread of its own, so that whoever asked
// for it does not wait for the disk. A run starts `settle` after the request that calls for it,
// so a burst of requests (a user flipping back and forth) costs one run; requests made while one
// runs are served by one more run; one still pending when this is destroyed is run at once,
// before the destructor returns.
class DeferredFlush {
public:
    explicit DeferredFlush(std::function<void()> flush,
                           std::chrono::milliseconds settle = std::chrono::milliseconds(0));
    ~DeferredFlush();
    DeferredFlush(const DeferredFlush &) = delete;
    DeferredFlush &operator=(const DeferredFlush &) = delete;

    // Asks for a run that starts after this call; returns at once.
    void request();

private:
    void serve();

    std::function<void()> flush_;
    std::chrono::milliseconds settle_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool pending_ = false;
    bool stopping_ = false;
    // Started at the first request: a service that never changes the mode has no second thread.
    std::thread thread_;
};
