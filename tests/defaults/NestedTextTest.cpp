// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// What `defaults read` prints of a dictionary reads back as the very same strings.
#include "NestedText.h"
#include "ToolProcess.h"

#include <gtest/gtest.h>

namespace {

class RoundTrip : public ::testing::TestWithParam<std::string> {};

// Printed and parsed in-process; then, where the tool takes the text, stored by the tool as a
// value and as a key, printed by `read` and parsed back.
TEST_P(RoundTrip, ReadsBackWhatTheToolPrints) {
    const std::string &text = GetParam();
    std::string printed = "{ k = ";
    appendQuoted(printed, text);
    EXPECT_EQ(parseWordDictionary(printed + "; }"), (StringPairs{{"k", text}})) << printed;
    PrivateStore store;
    for (const auto &[key, value] : StringPairs{{"k", text}, {text, "v"}}) {
        if (!isStorableText(text) || !isValidKey(key))
            continue; // only a file written by hand holds such text
        ASSERT_EQ(runTool(store, {"write", "org.x", "d", "-dict", key, value}).status, 0);
        const std::string listing = runTool(store, {"read", "org.x", "d"}).out;
        EXPECT_EQ(parseWordDictionary(listing), (StringPairs{{key, value}})) << listing;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, RoundTrip,
                         ::testing::Values("plain_word", "org.example.Ide", "", "a\tb",
                                           "line\nnext\n", "a\rb", "C:\\dir\\",
                                           "\\n \\t \\x41 \\\"", "say \"hi\" = x;",
                                           std::string("\x01\x1f\x7f", 3), "{ (a, b) };",
                                           "caf\xc3\xa9 \xe2\x9c\x93"));

// Containers among the values are stepped over; a broken listing is no dictionary at all.
TEST(PrintedListing, StepsOverContainersAndRefusesBrokenText) {
    EXPECT_EQ(parseWordDictionary("{ a = { b = (1, \"x)\"); }; c = d; }"),
              (StringPairs{{"c", "d"}}));
    for (const char *broken :
         {R"({ a = "\q"; })", R"({ a = "\x4"; })", "{ a = b; } c", "{ a = (1; }"})
        EXPECT_FALSE(parseWordDictionary(broken)) << broken;
}

} // namespace
