// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/DeferredFlush.h"

DeferredFlush::DeferredFlush(std::function<std::optional<QString>()> flush,
                             std::chrono::milliseconds settle, FlushRetry retry)
    : flush_(std::move(flush)), settle_(settle), retry_(retry) {}

DeferredFlush::~DeferredFlush() {
    finish();
}

QString DeferredFlush::finish() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        // A failure whose retries ran out gets one last chance: the disk may have recovered.
        if (!stopping_ && !failure_.isEmpty() && !due_)
            due_ = Clock::now();
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
    return failure();
}

void DeferredFlush::request() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_)
            return;
        // A run already called for covers this request too, unless it is only a retry.
        if (!due_ || retrying_)
            due_ = Clock::now() + settle_;
        retrying_ = false;
        attemptsLeft_ = retry_.attempts;
        if (!thread_.joinable())
            thread_ = std::thread(&DeferredFlush::serve, this);
    }
    changed_.notify_all();
}

QString DeferredFlush::failure() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return failure_;
}

void DeferredFlush::serve() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || due_; });
        if (!due_)
            return; // stopping, and nothing left to make durable
        // A request made meanwhile may move the run; stopping runs it at once.
        while (!stopping_ && due_ && Clock::now() < *due_)
            changed_.wait_until(lock, *due_);
        if (!due_)
            continue;
        // Everything asked for until now is covered by this one run.
        due_.reset();
        --attemptsLeft_;
        lock.unlock();
        const std::optional<QString> failed = flush_();
        lock.lock();
        ran(failed);
    }
}

// Expects the lock held.
void DeferredFlush::ran(const std::optional<QString> &failed) {
    failure_ = failed.value_or(QString());
    if (!failed || due_ || stopping_ || attemptsLeft_ <= 0)
        return;
    const int failedRuns = retry_.attempts - attemptsLeft_;
    due_ = Clock::now() + retry_.firstDelay * (1 << (failedRuns - 1));
    retrying_ = true;
}
