#include "keyboard-service/DeferredFlush.h"

DeferredFlush::DeferredFlush(std::function<void()> flush, std::chrono::milliseconds settle)
    : flush_(std::move(flush)), settle_(settle) {}

DeferredFlush::~DeferredFlush() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void DeferredFlush::request() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        pending_ = true;
        if (!thread_.joinable())
            thread_ = std::thread(&DeferredFlush::serve, this);
    }
    changed_.notify_all();
}

void DeferredFlush::serve() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || pending_; });
        if (!pending_)
            return; // stopping, and nothing left to make durable
        changed_.wait_for(lock, settle_, [this] { return stopping_; });
        // Everything asked for until now is covered by this one run.
        pending_ = false;
        lock.unlock();
        flush_();
        lock.lock();
    }
}
