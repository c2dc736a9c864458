// What `defaults read` prints of a dictionary reads back as the very same strings.
#include "NestedText.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

namespace {

struct Printed {
    const char *name;
    std::string text;
};

const Printed texts[] = {
    {"Plain", "function_keys"},
    {"Dotted", "org.example.Ide"},
    {"Empty", ""},
    {"Tab", "a\tb"},
    {"Newline", "line\nnext\n"},
    {"CarriageReturn", "a\rb"},
    {"Backslash", "C:\\dir\\"},
    {"PrintedEscapes", "\\n \\t \\x41 \\\""},
    {"Quotes", "say \"hi\" = x;"},
    {"ControlBytes", std::string("\x01\x1f\x7f", 3)},
    {"Brackets", "{ (a, b) };"},
    {"Utf8", "caf\xc3\xa9 \xe2\x9c\x93"},
};

class RoundTrip : public ::testing::TestWithParam<Printed> {};

// Printed and parsed in-process, then through the tool both ways where the tool takes the text:
// written as a value and as a key, printed by `read`, parsed back.
TEST_P(RoundTrip, ReadsBackWhatTheToolPrints) {
    const std::string &text = GetParam().text;
    std::string printed = "{ k = ";
    appendQuoted(printed, text);
    EXPECT_EQ(parseWordDictionary(printed + "; }"), (StringPairs{{"k", text}})) << printed;
    if (!isStorableText(text))
        return; // only a file written by hand holds other control characters
    PrivateStore store;
    ASSERT_EQ(runTool(store, {"write", "org.x", "d", "-dict", "k", text}).status, 0);
    const ToolRun read = runTool(store, {"read", "org.x", "d"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(parseWordDictionary(read.out), (StringPairs{{"k", text}})) << read.out;
    if (!isValidKey(text))
        return;
    ASSERT_EQ(runTool(store, {"write", "org.x", "d", "-dict", text, "v"}).status, 0);
    EXPECT_EQ(parseWordDictionary(runTool(store, {"read", "org.x", "d"}).out),
              (StringPairs{{text, "v"}}));
}

INSTANTIATE_TEST_SUITE_P(Texts, RoundTrip, ::testing::ValuesIn(texts),
                         [](const auto &row) { return std::string(row.param.name); });

struct Listing {
    const char *name;
    const char *text;
    std::optional<StringPairs> pairs;
};

class Listings : public ::testing::TestWithParam<Listing> {};

TEST_P(Listings, ParseOrRefuse) {
    EXPECT_EQ(parseWordDictionary(GetParam().text), GetParam().pairs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Listings,
    ::testing::Values(
        Listing{
            "NestedValuesAreSteppedOver",
            "{\n    a = {\n        b = (\n            1,\n            \"x)\"\n        );\n    };\n"
            "    c = d;\n}\n",
            StringPairs{{"c", "d"}}},
        Listing{"UnknownEscape", R"({ a = "\q"; })", std::nullopt},
        Listing{"ShortHexEscape", R"({ a = "\x4"; })", std::nullopt},
        Listing{"TrailingGarbage", "{ a = b; } c", std::nullopt},
        Listing{"UnclosedNesting", "{ a = (1, 2; }", std::nullopt}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
