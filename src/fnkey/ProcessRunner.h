// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// What one child process left behind.
struct ProcessResult {
    std::optional<QString> output;      // whole stdout, absent when not UTF-8 or not launched
    std::optional<QString> errorOutput; // whole stderr, or the launch error's description
    int status = 0;                     // exit status; -1 when the launch failed or timed out
};

// Runs `executable` with `arguments` (no program name), stdin inherited, and collects both
// output streams while the child runs. A child still running after `limit` is killed together
// with everything it started, and the result is reported as a launch failure.
ProcessResult runProcess(const QString &executable, const QStringList &arguments,
                         std::chrono::milliseconds limit);
