// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// The program's own flip script, run by the real login shell against this tool, and the
// switcher reading what it wrote.
#include "Domain.h"
#include "Store.h"
#include "ToolProcess.h"
#include "fnkey/FnKeyToggler.h"

#include <QFile>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

class FlipWithTool : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(QString::fromLatin1(FnKeyToggler::shellPath)))
            GTEST_SKIP() << "zsh is not installed";
        std::filesystem::create_directories(binDir());
        std::filesystem::create_symlink(toolPath(), binDir() + "/defaults");
    }

    std::string binDir() const { return store_.home() + "/bin"; }

    std::string flip() {
        const ToolRun run =
            runProgram(store_, {"/bin/zsh", "-lc", FnKeyToggler::flipScript().toStdString()},
                       {"PATH=" + binDir() + ":/usr/bin:/bin", "USER=vantel-test"});
        return run.out;
    }

    // The stored boolean, or -1 when the file or key is missing or not a boolean.
    int stored(const std::string &hostId) const {
        const Result<StoredValue> value =
            PreferenceStore(store_.root(), hostId)
                .read(Domain{"NSGlobalDomain", true}, "com.apple.keyboard.fnState");
        if (!value || value->type != "boolean")
            return -1;
        return value->text == "1";
    }

    PrivateStore store_;
};

TEST_F(FlipWithTool, FlipsTheGlobalAndTheByHostValueAndPrintsTheNewOne) {
    const Result<std::string> host = currentHostId();
    ASSERT_TRUE(host) << host.failure().message;
    EXPECT_EQ(flip(), "true\n"); // never written: counts as false
    EXPECT_EQ(stored(""), 1);
    EXPECT_EQ(stored(*host), 1);
    EXPECT_EQ(flip(), "false\n");
    EXPECT_EQ(stored(""), 0);
    EXPECT_EQ(stored(*host), 0);
    EXPECT_EQ(flip(), "true\n");
}

TEST_F(FlipWithTool, TogglerReadsWhatTheScriptWrote) {
    // The toggler passes its own environment on, so it gets the private store and PATH.
    const QByteArray saved[3] = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("PATH")};
    qputenv("HOME", QByteArray::fromStdString(store_.home()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(store_.configHome()));
    qputenv("PATH", QByteArray::fromStdString(binDir() + ":/usr/bin:/bin"));
    const FnKeyToggler toggler(QString::fromStdString(toolPath()));
    EXPECT_FALSE(toggler.readFnState());
    EXPECT_TRUE(toggler.toggleFnState());
    EXPECT_TRUE(toggler.readFnState());
    EXPECT_EQ(flip(), "false\n");
    EXPECT_FALSE(toggler.readFnState());
    EXPECT_TRUE(toggler.toggleFnState());
    EXPECT_EQ(stored(""), 1);
    qputenv("HOME", saved[0]);
    qputenv("XDG_CONFIG_HOME", saved[1]);
    qputenv("PATH", saved[2]);
}

} // namespace
