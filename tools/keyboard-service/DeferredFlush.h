// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// How a failed run of a DeferredFlush is tried again: each retry waits twice as long as the last.
struct FlushRetry {
    int attempts = 4; // runs for one request, the first included
    std::chrono::milliseconds firstDelay = std::chrono::seconds(1);
};

// Runs a durability barrier (fsync and the like) on a thread of its own, so that whoever asked
// for it does not wait for the disk. A run starts `settle` after the request that calls for it,
// so a burst of requests (a user flipping back and forth) costs one run; requests made while one
// runs are served by one more run. A run that fails is tried again, a few times, each time after
// twice as long; a new request starts the attempts over. What is still pending (or failing) when
// this finishes is run once more at once, without waiting out the settling or a back-off.
class DeferredFlush {
public:
    // `flush` returns why it failed, or nothing once everything asked for is durable.
    explicit DeferredFlush(std::function<std::optional<QString>()> flush,
                           std::chrono::milliseconds settle = std::chrono::milliseconds(0),
                           FlushRetry retry = {});
    ~DeferredFlush();
    DeferredFlush(const DeferredFlush &) = delete;
    DeferredFlush &operator=(const DeferredFlush &) = delete;

    // Asks for a run that starts after this call; returns at once.
    void request();
    // Why the last run failed; empty once one succeeded, and while none ever ran.
    QString failure() const;
    // Runs what is pending or failing once more, stops the thread, and returns why the last run
    // failed, if it did. Requests after this are not served.
    QString finish();

private:
    using Clock = std::chrono::steady_clock;

    void serve();
    void ran(const std::optional<QString> &failed);

    std::function<std::optional<QString>()> flush_;
    std::chrono::milliseconds settle_;
    FlushRetry retry_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    // When the next run starts; nothing while no run is called for.
    std::optional<Clock::time_point> due_;
    bool retrying_ = false; // due_ is a failed run's retry, not a request's run
    int attemptsLeft_ = 0;
    QString failure_;
    bool stopping_ = false;
    // Started at the first request: a service that never changes the mode has no second thread.
    std::thread thread_;
};
