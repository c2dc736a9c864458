// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What the command line needs from its surroundings; main() fills it from the real system.
struct ToolContext {
    std::string storeRoot;                       // where the preference files live
    std::function<Result<std::string>()> hostId; // this host's identifier, for -currentHost
};

// What one run printed and how it ended.
struct ToolOutput {
    std::string out;
    std::string err;
    int status = 0;
};

// Runs `defaults` with the arguments after the program name.
ToolOutput runDefaults(const std::vector<std::string_view> &arguments, const ToolContext &context);

// The line `defaults --version` prints; the installer recognises our own program by it.
extern const char versionLine[];
