// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// Moves work off the main thread and back.
class WorkQueue {
public:
    virtual ~WorkQueue() = default;

    // Runs `work` once on a background thread.
    virtual void runInBackground(std::function<void()> work) = 0;
    // Runs `work` later on the main thread, after the current event; callable from any thread.
    virtual void runOnMain(std::function<void()> work) = 0;
};
