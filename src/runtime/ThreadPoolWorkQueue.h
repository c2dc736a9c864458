// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/WorkQueue.h"

#include <QObject>
#include <QThreadPool>

// Background work on a thread pool of its own; main-thread work as queued calls. Create it on
// the main thread. Destroying it waits for the background work that is still running.
class ThreadPoolWorkQueue final : public WorkQueue {
public:
    ThreadPoolWorkQueue();
    ~ThreadPoolWorkQueue() override;
    ThreadPoolWorkQueue(const ThreadPoolWorkQueue &) = delete;
    ThreadPoolWorkQueue &operator=(const ThreadPoolWorkQueue &) = delete;

    void runInBackground(std::function<void()> work) override;
    void runOnMain(std::function<void()> work) override;

private:
    // Lives on the main thread; queued calls die with it.
    QObject mainThread_;
    QThreadPool pool_;
};
