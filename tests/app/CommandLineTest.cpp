// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct CommandCase {
    const char *name;
    QStringList arguments;
    CommandLine::Action action;
    const char *textPart; // found in the text; empty: the text is empty
};

class CommandLineTest : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandLineTest, ReadsOurOptionsAndLeavesQtsToQt) {
    const CommandCase &row = GetParam();
    const CommandLine command = parseCommandLine(
        QStringList{QStringLiteral("vantel")} + row.arguments, QStringLiteral("1.2.3 (45)"));
    EXPECT_EQ(command.action, row.action) << command.text.toStdString();
    const QString part = QString::fromUtf8(row.textPart);
    if (part.isEmpty()) {
        EXPECT_TRUE(command.text.isEmpty()) << command.text.toStdString();
    } else {
        EXPECT_TRUE(command.text.contains(part)) << command.text.toStdString();
    }
    if (row.action == CommandLine::Action::Error) {
        EXPECT_FALSE(command.text.contains(QLatin1Char('\n')));
    }
}

using Action = CommandLine::Action;
const QString platform = QStringLiteral("-platform");

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        CommandCase{"Nothing", {}, Action::Run, ""},
        CommandCase{"Toggle", {QStringLiteral("--toggle")}, Action::Toggle, ""},
        CommandCase{"Settings", {QStringLiteral("--settings")}, Action::Settings, ""},
        CommandCase{"HelpNamesSettings", {QStringLiteral("--help")}, Action::Help, "--settings"},
        CommandCase{"Help", {QStringLiteral("-h")}, Action::Help, "Usage: vantel [options]"},
        CommandCase{"HelpAll", {QStringLiteral("--help-all")}, Action::Help, "--toggle"},
        CommandCase{
            "Version", {QStringLiteral("--version")}, Action::Version, "Vantel 1.2.3 (45)\n"},
        CommandCase{"QtOptionsPassThrough",
                    {platform, QStringLiteral("xcb"), QStringLiteral("-style"),
                     QStringLiteral("fusion"), QStringLiteral("-reverse")},
                    Action::Run,
                    ""},
        CommandCase{"QtOptionWithToggle",
                    {platform, QStringLiteral("xcb"), QStringLiteral("--toggle")},
                    Action::Toggle,
                    ""},
        CommandCase{"UnknownOption", {QStringLiteral("--togle")}, Action::Error, "togle"},
        CommandCase{"StrayArgument", {QStringLiteral("toggle")}, Action::Error, "\"toggle\""},
        CommandCase{"QtOptionWithoutValue", {platform}, Action::Error, "platform"}),
    [](const auto &row) { return row.param.name; });

} // namespace
