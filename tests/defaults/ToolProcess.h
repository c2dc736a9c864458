// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// A private preference store: its own HOME and XDG_CONFIG_HOME under a fresh temporary
// directory, removed again at the end. Nothing a test does reaches the real user's files.
class PrivateStore {
public:
    PrivateStore();
    ~PrivateStore();
    PrivateStore(const PrivateStore &) = delete;
    PrivateStore &operator=(const PrivateStore &) = delete;

    const std::string &home() const { return home_; }
    std::string configHome() const { return home_ + "/config"; }
    std::string root() const { return configHome() + "/vantel-preferences"; }
    // The environment a child of this test should run with.
    std::vector<std::string> environment() const;

private:
    std::string home_;
};

struct ToolRun {
    std::string out;
    std::string err;
    int status = -1; // exit status, or 128 + signal
};

// The built tool.
std::string toolPath();

// Runs the tool with `args` in `store`'s environment and waits for it. A non-zero
// `maxFileBytes` limits the size of any file the tool writes, as a full disk would.
ToolRun runTool(const PrivateStore &store, const std::vector<std::string> &args,
                long maxFileBytes = 0);

// Runs any program (argv[0] is its path) the same way.
ToolRun runProgram(const PrivateStore &store, std::vector<std::string> argv,
                   std::vector<std::string> extraEnvironment = {});

// Starts the tool without waiting; stdout and stderr go to /dev/null.
pid_t startTool(const PrivateStore &store, const std::vector<std::string> &args);

// Waits for a child and returns its exit status, or 128 + signal.
int waitFor(pid_t child);

// Reads a whole file; empty when it cannot be read.
std::string fileBytes(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);
