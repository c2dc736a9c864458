// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// A reading of the fn state through the tool against /bin/true, both as whole processes
// (spawn, run, wait). The goal is a ratio of at most 2: the program starts the tool for every
// question about the fn state.
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

int runWhole(std::vector<std::string> argv) {
    std::vector<char *> args;
    for (std::string &arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 01, 0);
    pid_t child = 0;
    int status = -1;
    if (posix_spawn(&child, args[0], &actions, nullptr, args.data(), environ) == 0)
        waitpid(child, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

void BM_DefaultsRead(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            runWhole({VANTEL_DEFAULTS_TOOL, "read", "-g", "com.apple.keyboard.fnState"}));
}

void BM_BinTrue(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(runWhole({"/bin/true"}));
}

BENCHMARK(BM_DefaultsRead)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_BinTrue)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    // A private store holding the key, so the benchmark never reads or writes the user's own.
    char pattern[] = "/tmp/vantel-defaults-bench-XXXXXX";
    const std::string home = mkdtemp(pattern);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    if (runWhole({VANTEL_DEFAULTS_TOOL, "write", "-g", "com.apple.keyboard.fnState", "-bool",
                  "true"}) != 0) {
        std::fprintf(stderr, "could not prepare the private store in %s\n", home.c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_DefaultsRead", "BM_BinTrue", "defaults read / /bin/true",
                           "at most 2x");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(home);
    return 0;
}
