// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "fnkey/FnKeyToggler.h"
#include "support/FakeExecutable.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace std::chrono_literals;

namespace {

struct AnswerCase {
    const char *name;
    const char *script;
    bool expected;
};

void PrintTo(const AnswerCase &c, std::ostream *os) {
    *os << c.name;
}

class ReadFnState : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ReadFnState, InterpretsTheToolsAnswer) {
    FakeExecutables fakes;
    const QString tool = fakes.add(QStringLiteral("defaults"), GetParam().script);
    EXPECT_EQ(FnKeyToggler(tool, QStringLiteral("/nonexistent")).readFnState(),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReadFnState,
    ::testing::Values(
        AnswerCase{"one", "printf '1\\n'", true}, AnswerCase{"zero", "printf '0\\n'", false},
        AnswerCase{"spacedYes", "printf ' YES '", true},
        AnswerCase{"trueWithTabs", "printf '\\ttrue\\r\\n'", true},
        AnswerCase{"unicodeSpaces", "printf '\\342\\200\\2031\\302\\240\\n'", true},
        AnswerCase{"failingButPrintsOne", "printf 1; exit 3", false},
        AnswerCase{"empty", "exit 0", false}, AnswerCase{"invalidUtf8", "printf '1\\377'", false},
        AnswerCase{"onlyArgumentsMatter",
                   "[ \"$*\" = 'read -g com.apple.keyboard.fnState' ] && echo 1", true}),
    [](const auto &param) { return std::string(param.param.name); });

class ToggleFnState : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ToggleFnState, AcceptsOnlyTrue) {
    FakeExecutables fakes;
    const QString shell = fakes.add(QStringLiteral("zsh"), GetParam().script);
    EXPECT_EQ(FnKeyToggler(QStringLiteral("/nonexistent"), shell).toggleFnState(),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ToggleFnState,
    ::testing::Values(AnswerCase{"upperTrue", "printf 'TRUE\\n'", true},
                      AnswerCase{"one", "printf 1", false}, AnswerCase{"yes", "echo yes", false},
                      AnswerCase{"failingScriptStillTrue", "echo true; exit 7", true},
                      AnswerCase{"silent", "exit 0", false},
                      // A login profile may print before the script's own answer.
                      AnswerCase{"greetingBeforeTrue", "echo 'Hello'; echo true; echo; echo ' '",
                                 true},
                      AnswerCase{"greetingSaysTrueButScriptFalse", "echo true; echo false", false},
                      AnswerCase{"answerWithCarriageReturn", "printf 'hi\\r\\nTrue\\r\\n'", true},
                      AnswerCase{"onlyBlankLines", "printf '\\n \\n\\t\\n'", false},
                      AnswerCase{"receivesLoginFlagAndScript",
                                 "[ \"$1\" = -lc ] && [ $# -eq 2 ] && echo true", true}),
    [](const auto &param) { return std::string(param.param.name); });

TEST(ProcessRunner, LaunchFailureIsAValueNotAnError) {
    const ProcessResult result = runProcess(QStringLiteral("/nonexistent/tool"), {}, 1s);
    EXPECT_EQ(result.status, -1);
    EXPECT_FALSE(result.output.has_value());
    ASSERT_TRUE(result.errorOutput.has_value());
    EXPECT_FALSE(result.errorOutput->isEmpty());

    const FnKeyToggler missing(QStringLiteral("/nonexistent/a"), QStringLiteral("/nonexistent/b"));
    EXPECT_FALSE(missing.readFnState());
    EXPECT_FALSE(missing.toggleFnState());
}

TEST(ProcessRunner, CollectsLargeOutputOnBothStreamsWithoutStalling) {
    FakeExecutables fakes;
    const QString tool = fakes.add(
        QStringLiteral("chatty"),
        "head -c 1048576 /dev/zero | tr '\\0' a; head -c 1048576 /dev/zero | tr '\\0' b >&2");
    const ProcessResult result = runProcess(tool, {}, 20s);
    EXPECT_EQ(result.status, 0);
    ASSERT_TRUE(result.output && result.errorOutput);
    EXPECT_EQ(result.output->size(), 1048576);
    EXPECT_EQ(result.errorOutput->size(), 1048576);
}

TEST(ProcessRunner, KillsAHungChildAndEverythingItStarted) {
    FakeExecutables fakes;
    const QString tool =
        fakes.add(QStringLiteral("hang"), "sh -c 'sleep 97531' & sleep 97532; echo late");
    const ProcessResult result = runProcess(tool, {}, 300ms);
    EXPECT_EQ(result.status, -1);
    EXPECT_FALSE(result.output.has_value());
    EXPECT_TRUE(result.errorOutput.has_value());
    EXPECT_TRUE(processWithMarkerGone("97531"));
    EXPECT_TRUE(processWithMarkerGone("97532"));
}

TEST(ProcessRunner, KeepsStandardInputInheritedAndArgumentsVerbatim) {
    FakeExecutables fakes;
    const QString tool = fakes.add(
        QStringLiteral("probe"), "readlink /proc/$$/fd/0; for a in \"$@\"; do echo \"[$a]\"; done");
    const ProcessResult result = runProcess(tool, {QStringLiteral("a b"), QStringLiteral("")}, 5s);
    ASSERT_TRUE(result.output.has_value());
    char link[256] = {};
    const ssize_t length = ::readlink("/proc/self/fd/0", link, sizeof link - 1);
    const QString ownStdin = QString::fromLocal8Bit(link, length > 0 ? length : 0);
    EXPECT_EQ(*result.output, ownStdin + QStringLiteral("\n[a b]\n[]\n"));
}

} // namespace
