// Golden command lines: what each one prints, on which stream, and how it exits.
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Args = std::vector<std::string>;

struct Golden {
    const char *name;
    std::vector<Args> setup; // each must succeed
    Args args;
    int status;
    std::string out;
    std::string err; // exact when `errContains` is empty
    std::string errContains = {};
};

const char fn[] = "com.apple.keyboard.fnState";
const char missingFn[] =
    "The domain/default pair of (kCFPreferencesAnyApplication, com.apple.keyboard.fnState) "
    "does not exist\n";

const Golden goldens[] = {
    {"BoolTrue", {{"write", "-g", fn, "-bool", "true"}}, {"read", "-g", fn}, 0, "1\n", ""},
    {"BoolFalse", {{"write", "-g", fn, "-boolean", "false"}}, {"read", "-g", fn}, 0, "0\n", ""},
    {"BoolType",
     {{"write", "-g", fn, "-bool", "1"}},
     {"read-type", "-g", fn},
     0,
     "Type is boolean\n",
     ""},
    {"Int", {{"write", "a.b", "k", "-int", "-42"}}, {"read", "a.b", "k"}, 0, "-42\n", ""},
    {"Integer",
     {{"write", "a.b", "k", "-integer", "+7"}},
     {"read-type", "a.b", "k"},
     0,
     "Type is integer\n",
     ""},
    {"Float", {{"write", "a.b", "k", "-float", "2.5"}}, {"read", "a.b", "k"}, 0, "2.5\n", ""},
    {"FloatType",
     {{"write", "a.b", "k", "-float", "1e3"}},
     {"read-type", "a.b", "k"},
     0,
     "Type is float\n",
     ""},
    {"PlainString",
     {{"write", "a.b", "k", "hello world"}},
     {"read", "a.b", "k"},
     0,
     "hello world\n",
     ""},
    {"StringFlag",
     {{"write", "a.b", "k", "-string", "-5"}},
     {"read-type", "a.b", "k"},
     0,
     "Type is string\n",
     ""},
    {"NegativeNumberIsString", {{"write", "a.b", "k", "-5"}}, {"read", "a.b", "k"}, 0, "-5\n", ""},
    {"GlobalAliases",
     {{"write", "NSGlobalDomain", fn, "-bool", "yes"}},
     {"read", "-globalDomain", fn},
     0,
     "1\n",
     ""},
    {"WholeDomain",
     {{"write", "a.b", "flag", "-bool", "no"}, {"write", "a.b", "my key", "say \"hi\""}},
     {"read", "a.b"},
     0,
     "{\n    flag = 0;\n    \"my key\" = \"say \\\"hi\\\"\";\n}\n",
     ""},
    {"Domains",
     {{"write", "-g", fn, "-bool", "1"}, {"write", "org.example.app", "k", "v"}},
     {"domains"},
     0,
     "NSGlobalDomain, org.example.app\n",
     ""},
    {"MissingKeyGlobal", {}, {"read", "-g", fn}, 1, "", missingFn},
    {"MissingKeyInExistingDomain",
     {{"write", "a.b", "k", "v"}},
     {"read-type", "a.b", "x"},
     1,
     "",
     "The domain/default pair of (a.b, x) does not exist\n"},
    {"MissingDomain", {}, {"read", "org.nothing"}, 1, "", "Domain org.nothing does not exist\n"},
    {"DeleteKey",
     {{"write", "-g", fn, "-bool", "1"}, {"delete", "-g", fn}},
     {"read", "-g", fn},
     1,
     "",
     missingFn},
    {"DeleteMissingKey",
     {{"write", "a.b", "k", "v"}},
     {"delete", "a.b", "x"},
     1,
     "",
     "The domain/default pair of (a.b, x) does not exist\n"},
    {"DeleteDomain",
     {{"write", "a.b", "k", "v"}, {"delete", "a.b"}},
     {"read", "a.b"},
     1,
     "",
     "Domain a.b does not exist\n"},
    {"CurrentHostIsSeparate",
     {{"write", "-g", fn, "-bool", "1"}},
     {"-currentHost", "read", "-g", fn},
     1,
     "",
     missingFn},
    {"PlainReadNeverMerges",
     {{"-currentHost", "write", "-g", fn, "-bool", "1"}},
     {"read", "-g", fn},
     1,
     "",
     missingFn},
    {"CurrentHostRoundTrip",
     {{"-currentHost", "write", "-g", fn, "-bool", "no"}},
     {"-currentHost", "read", "-g", fn},
     0,
     "0\n",
     ""},
    {"NamedHost",
     {{"-host", "otherbox", "write", "a.b", "k", "v"}},
     {"-host", "otherbox", "read", "a.b", "k"},
     0,
     "v\n",
     ""},
    {"Help", {}, {"--help"}, 0, "", "", ""},
    {"UnknownCommand", {}, {"frobnicate"}, 1, "", "", "Unknown command"},
    {"BadBoolWritesNothing",
     {},
     {"write", "-g", fn, "-bool", "maybe"},
     1,
     "",
     "",
     "Invalid value for -bool"},
    {"IntOverflow",
     {},
     {"write", "a.b", "k", "-int", "99999999999999999999"},
     1,
     "",
     "",
     "Invalid value for -int"},
    {"IntFraction", {}, {"write", "a.b", "k", "-int", "1.5"}, 1, "", "", "Invalid value"},
    {"FloatNotANumber", {}, {"write", "a.b", "k", "-float", "nan"}, 1, "", "", "Invalid value"},
    {"UnknownType", {}, {"write", "a.b", "k", "-array", "x"}, 1, "", "", "Unsupported"},
    {"TypeWithoutValue", {}, {"write", "-g", fn, "-bool"}, 1, "", "", "looks like a type"},
    {"ControlCharacters", {}, {"write", "a.b", "k", "bell\a"}, 1, "", "", "control"},
    {"BadHost", {}, {"-host", "../x", "read", "a.b"}, 1, "", "", "-host needs"},
};

class GoldenCommandLine : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenCommandLine, PrintsAndExitsAsExpected) {
    const Golden &g = GetParam();
    PrivateStore store;
    for (const Args &step : g.setup)
        ASSERT_EQ(runTool(store, step).status, 0) << step[0];
    const ToolRun run = runTool(store, g.args);
    EXPECT_EQ(run.status, g.status) << run.err;
    if (std::string(g.name) == "Help") {
        EXPECT_EQ(run.out.rfind("usage: defaults", 0), 0u);
    } else {
        EXPECT_EQ(run.out, g.out);
    }
    if (g.errContains.empty()) {
        EXPECT_EQ(run.err, g.err);
    } else {
        EXPECT_NE(run.err.find(g.errContains), std::string::npos) << run.err;
    }
    // A refused write must leave nothing behind.
    if (g.setup.empty() && g.status != 0) {
        EXPECT_FALSE(std::filesystem::exists(store.root() + "/a.b.plist"));
    }
}

INSTANTIATE_TEST_SUITE_P(Defaults, GoldenCommandLine, ::testing::ValuesIn(goldens),
                         [](const auto &test) { return std::string(test.param.name); });

// Every spelling -bool accepts, and what it reads back as.
class BoolSpelling : public ::testing::TestWithParam<std::pair<const char *, const char *>> {};

TEST_P(BoolSpelling, ReadsBackAsOneOrZero) {
    PrivateStore store;
    ASSERT_EQ(runTool(store, {"write", "-g", fn, "-bool", GetParam().first}).status, 0);
    EXPECT_EQ(runTool(store, {"read", "-g", fn}).out, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Defaults, BoolSpelling,
                         ::testing::Values(std::pair{"true", "1\n"}, std::pair{"TRUE", "1\n"},
                                           std::pair{"Yes", "1\n"}, std::pair{"1", "1\n"},
                                           std::pair{"false", "0\n"}, std::pair{"FaLsE", "0\n"},
                                           std::pair{"NO", "0\n"}, std::pair{"0", "0\n"}));

// Names that could reach outside the store are refused before anything is created.
class RefusedDomain : public ::testing::TestWithParam<const char *> {};

TEST_P(RefusedDomain, IsRefusedWithoutTouchingTheDisk) {
    PrivateStore store;
    for (const Args &args : {Args{"write", GetParam(), "k", "v"}, Args{"read", GetParam()},
                             Args{"delete", GetParam()}}) {
        const ToolRun run = runTool(store, args);
        EXPECT_EQ(run.status, 1) << args[0];
        EXPECT_NE(run.err.find("Invalid domain name"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(store.configHome()));
}

INSTANTIATE_TEST_SUITE_P(Defaults, RefusedDomain,
                         ::testing::Values("", "/", "..", "../etc", "a/b", "/etc/passwd", ".hidden",
                                           "a..b", "trailing.", "-x", "sp ace", "ünï.code"));

} // namespace
