// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "runtime/ThreadPoolWorkQueue.h"

#include <QMetaObject>

ThreadPoolWorkQueue::ThreadPoolWorkQueue() = default;

// A flip that is still running finishes writing the preference before the program goes; its
// completion is then dropped with the main-thread context.
ThreadPoolWorkQueue::~ThreadPoolWorkQueue() {
    pool_.waitForDone();
}

void ThreadPoolWorkQueue::runInBackground(std::function<void()> work) {
    pool_.start(std::move(work));
}

void ThreadPoolWorkQueue::runOnMain(std::function<void()> work) {
    QMetaObject::invokeMethod(&mainThread_, std::move(work), Qt::QueuedConnection);
}
