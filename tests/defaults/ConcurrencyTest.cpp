// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Writers racing one another and writers killed mid-write: no update is lost and the file is
// always whole.
#include "Store.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <thread>

namespace {

TEST(ConcurrentWriters, EightProcessesKeepAllEightHundredKeys) {
    PrivateStore store;
    // Each shell runs its 100 writes one after another; the eight shells run at once. Adding
    // to one dictionary reads and writes it back, which must not lose another's addition.
    const std::string loop =
        "i=0; while [ $i -lt 100 ]; do \"$TOOL\" write org.example.race w${N}k$i -int $i && "
        "\"$TOOL\" write org.example.race d -dict-add w${N}k$i $i || exit 1; i=$((i+1)); done";
    std::vector<std::thread> shells;
    std::vector<int> statuses(8, -1);
    for (int n = 0; n < 8; ++n)
        shells.emplace_back([&, n] {
            statuses[std::size_t(n)] = runProgram(store, {"/bin/sh", "-c", loop},
                                                  {"TOOL=" + toolPath(), "N=" + std::to_string(n)})
                                           .status;
        });
    for (std::thread &shell : shells)
        shell.join();
    for (int status : statuses)
        EXPECT_EQ(status, 0);
    const Result<std::string> listing =
        PreferenceStore(store.root(), "").read(Domain{"org.example.race"});
    ASSERT_TRUE(listing) << listing.failure().message;
    for (int n = 0; n < 8; ++n)
        for (int i = 0; i < 100; ++i) {
            const std::string k = "w" + std::to_string(n) + "k" + std::to_string(i);
            EXPECT_NE(listing->find("\n    " + k + " = " + std::to_string(i) + ";\n"),
                      std::string::npos)
                << k;
            EXPECT_NE(listing->find("\n        " + k + " = " + std::to_string(i) + ";\n"),
                      std::string::npos)
                << "d: " << k;
        }
}

std::string storedValue(const PrivateStore &store) {
    const Result<StoredValue> value =
        PreferenceStore(store.root(), "").read(Domain{"org.example.crash"}, "v");
    return value ? value->text : "<unreadable: " + value.failure().message + ">";
}

TEST(KilledWriters, AlwaysLeaveTheOldOrTheNewFile) {
    PrivateStore store;
    // Large values make each write long enough to be interrupted in every phase.
    const std::string values[2] = {std::string(100000, 'a'), std::string(100000, 'b')};
    ASSERT_EQ(runTool(store, {"write", "org.example.crash", "keep", "-int", "7"}).status, 0);
    ASSERT_EQ(runTool(store, {"write", "org.example.crash", "v", values[0]}).status, 0);
    std::mt19937 random(7);
    int killed = 0;
    for (int round = 0; round < 120; ++round) {
        const std::string old = storedValue(store);
        const std::string &next = values[round % 2];
        const pid_t writer = startTool(store, {"write", "org.example.crash", "v", next});
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        ::kill(writer, SIGKILL);
        killed += waitFor(writer) == 128 + SIGKILL;
        const std::string now = storedValue(store);
        ASSERT_TRUE(now == old || now == next) << "round " << round << ": " << now.substr(0, 80);
    }
    EXPECT_GT(killed, 10); // otherwise the test proved nothing
    // The next write clears what the killed writers left behind, and nothing else was lost.
    ASSERT_EQ(runTool(store, {"write", "org.example.crash", "v", "done"}).status, 0);
    EXPECT_EQ(runTool(store, {"read", "org.example.crash", "keep"}).out, "7\n");
    for (const auto &entry : std::filesystem::directory_iterator(store.root()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
            << entry.path();
}

} // namespace
