// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/WorkQueue.h"

#include <deque>
#include <functional>

// Holds the work until the test runs it, so every step between the two threads can be looked at.
class ManualWorkQueue final : public WorkQueue {
public:
    void runInBackground(std::function<void()> work) override { background.push_back(work); }
    void runOnMain(std::function<void()> work) override { main.push_back(work); }

    // Runs everything queued, background first, as the real queue would.
    void drain() {
        while (!background.empty() || !main.empty()) {
            auto &queue = background.empty() ? main : background;
            const auto work = queue.front();
            queue.pop_front();
            work();
        }
    }

    std::deque<std::function<void()>> background;
    std::deque<std::function<void()>> main;
};
