// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Golden command lines: what each one prints, on which stream, and how it exits.
#include "ToolProcess.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Args = std::vector<std::string>;

struct Golden {
    const char *name;
    std::vector<Args> setup; // each must succeed
    Args args;               // after "write a.b"
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
    // With a dot, org.x.a on host b and org.x on host a.b would share one file.
    {"DottedHost", {}, {"-host", "a.b", "write", "a.b", "k", "v"}, 1, "", "", "-host needs"},
    {"BareDashIsNoType", {}, {"write", "a.b", "k", "-", "x"}, 1, "", "", "expected a type"},
    {"KeyWithLineFeed", {}, {"write", "a.b", "k\nx", "v"}, 1, "", "", "Invalid key"},
    {"KeyWithTab", {}, {"write", "a.b", "k\tx", "v"}, 1, "", "", "Invalid key"},
    {"KeyWithCarriageReturn", {}, {"write", "a.b", "k\rx", "v"}, 1, "", "", "Invalid key"},
    // -dict-add creates, -dict replaces, -dict-add merges; -dict alone is empty.
    {"DictionaryForms",
     {{"write", "a.b", "k", "-dict-add", "old", "v"},
      {"write", "a.b", "k", "-dict", "x", "1", "y", "2"},
      {"write", "a.b", "k", "-dict-add", "y", "3", "z w", "-4"},
      {"write", "a.b", "e", "-dict"}},
     {"read", "a.b"},
     0,
     "{\n    k = {\n        x = 1;\n        y = 3;\n        \"z w\" = \"-4\";\n    };\n"
     "    e = {\n    };\n}\n",
     ""},
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

// A refused dictionary write leaves the file byte for byte as it was.
struct Refused {
    const char *name;
    Args args; // after "write a.b"
    const char *err;
};

class RefusedDictionaryWrite : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedDictionaryWrite, ChangesNothing) {
    PrivateStore store;
    ASSERT_EQ(runTool(store, {"write", "a.b", "d", "-dict", "x", "1"}).status, 0);
    ASSERT_EQ(runTool(store, {"write", "a.b", "s", "-int", "5"}).status, 0);
    const std::string before = fileBytes(store.root() + "/a.b.plist");
    Args args{"write", "a.b"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const ToolRun run = runTool(store, args);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(GetParam().err), std::string::npos) << run.err;
    EXPECT_TRUE(fileBytes(store.root() + "/a.b.plist") == before);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, RefusedDictionaryWrite,
    ::testing::Values(
        Refused{"OddCount", {"d", "-dict-add", "y", "2", "z"}, "value for every key"},
        Refused{"NotADictionary", {"s", "-dict-add", "y", "2"}, "not a dictionary"},
        Refused{"TypedValue", {"d", "-dict-add", "y", "-bool", "true"}, "are strings"},
        Refused{"BadKey", {"d", "-dict", "y\tz", "2"}, "Invalid dictionary key"},
        Refused{"BadValue", {"d", "-dict", "y", "bell\a"}, "Invalid dictionary value"}),
    [](const auto &test) { return std::string(test.param.name); });

struct Listing {
    const char *name;
    std::string file; // the dictionary's entries
    std::string out;  // what `read` prints for the whole domain
};

class HandWrittenFile : public ::testing::TestWithParam<Listing> {};

// Files the tool did not write itself: values of every kind print in full, and nothing in
// them reaches the terminal as a raw control character.
TEST_P(HandWrittenFile, PrintsAsExpected) {
    PrivateStore store;
    writeFile(store.root() + "/org.example.file.plist",
              "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + GetParam().file +
                  "</dict></plist>");
    const ToolRun run = runTool(store, {"read", "org.example.file"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\n" + GetParam().out + "}\n");
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, HandWrittenFile,
    ::testing::Values(
        // Past the range of 32-bit seconds on either side, and its edges.
        Listing{"Dates",
                "<key>a</key><date>2100-01-01T00:00:00Z</date>"
                "<key>b</key><date>1900-06-01T12:30:00Z</date>"
                "<key>c</key><date>2038-01-19T03:14:08Z</date>"
                "<key>d</key><date>1901-12-13T20:45:51Z</date>",
                "    a = \"2100-01-01 00:00:00 +0000\";\n    b = \"1900-06-01 12:30:00 +0000\";\n"
                "    c = \"2038-01-19 03:14:08 +0000\";\n    d = \"1901-12-13 20:45:51 +0000\";\n"},
        Listing{"ControlCharacters", "<key>a\rb</key><string>x\ry</string><key>e&#27;</key><true/>",
                "    \"a\\rb\" = \"x\\ry\";\n    \"e\\x1b\" = 1;\n"},
        Listing{"Containers",
                "<key>l</key><array><integer>1</integer><dict><key>n</key><real>2.5</real>"
                "</dict></array><key>raw</key><data>AAH/</data>",
                "    l = (\n        1,\n        {\n            n = 2.5;\n        }\n    );\n"
                "    raw = <0001ff>;\n"}),
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
