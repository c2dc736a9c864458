// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// The store's building blocks, checked in-process against known answers.
#include "Store.h"
#include "Domain.h"
#include "PlistFile.h"
#include "Sha256.h"
#include "ToolProcess.h"
#include "Value.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct HashCase {
    std::string key; // empty: plain SHA-256
    std::string message;
    const char *hex;
};

class KnownDigests : public ::testing::TestWithParam<HashCase> {};

TEST_P(KnownDigests, MatchPublishedVectors) {
    const HashCase &c = GetParam();
    const Digest digest = c.key.empty() ? sha256(c.message) : hmacSha256(c.key, c.message);
    EXPECT_EQ(hexPrefix(digest, 32), c.hex);
}

INSTANTIATE_TEST_SUITE_P(
    Sha256, KnownDigests,
    ::testing::Values(
        HashCase{"", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        HashCase{"", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        // 56 bytes: the length no longer fits the first block.
        HashCase{"", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                 "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        HashCase{"Jefe", "what do ya want for nothing?",
                 "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
        // A key longer than a block is hashed first.
        HashCase{std::string(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
                 "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"}));

TEST(HostId, IsAKeyedHashThatHidesTheMachineId) {
    const std::string machineId = "0123456789abcdef0123456789abcdef";
    const std::string id = hostIdFromMachineId(machineId + "\n");
    EXPECT_EQ(id.size(), 32u);
    EXPECT_EQ(id, hostIdFromMachineId(machineId));
    EXPECT_NE(id, machineId);
    EXPECT_NE(id, hexPrefix(sha256(machineId), 16)); // unkeyed would be guessable
    EXPECT_NE(id, hostIdFromMachineId("fedcba9876543210fedcba9876543210"));
    EXPECT_TRUE(isSafeName(id));
}

TEST(StoreRoot, FollowsXdgRulesAndIgnoresRelativeConfigHome) {
    EXPECT_EQ(storeRoot("/x/cfg", "/home/u"), "/x/cfg/vantel-preferences");
    EXPECT_EQ(storeRoot("relative/cfg", "/home/u"), "/home/u/.config/vantel-preferences");
    EXPECT_EQ(storeRoot(nullptr, "/home/u"), "/home/u/.config/vantel-preferences");
    EXPECT_EQ(storeRoot("", "/home/u"), "/home/u/.config/vantel-preferences");
}

struct DepthCase {
    const char *xml;
    std::optional<int> depth; // empty: refused as markup parsers read differently
};

class NestingDepth : public ::testing::TestWithParam<DepthCase> {};

TEST_P(NestingDepth, NeverUndercounts) {
    EXPECT_EQ(xmlNestingDepth(GetParam().xml), GetParam().depth) << GetParam().xml;
}

INSTANTIATE_TEST_SUITE_P(
    PlistFile, NestingDepth,
    ::testing::Values(
        DepthCase{"<?xml version=\"1.0\"?><!DOCTYPE plist><plist><dict><key>a</key><true/>"
                  "</dict></plist>",
                  3},
        DepthCase{"<plist><dict/><array></array></plist>", 2},
        // Closings hidden in a comment or CDATA must not cancel real openings.
        DepthCase{"<a><!-- </a></a></a> --><b><c>", 3}, DepthCase{"<a><![CDATA[<x><y>]]><b>", 4},
        // "<!-->" opens a comment that a lenient parser might take as closed at once.
        DepthCase{"<a><!--><b>--><c>", 3},
        // A quoted '/>' is not a self-closing tag, nor a quoted '>' the end of one.
        DepthCase{"<dict a=\"/>\"><dict>", 2}, DepthCase{"<a x='>'><b/></a>", 1},
        DepthCase{"<array x=\"></>\"><array>", std::nullopt}, DepthCase{"<a></b>", std::nullopt},
        DepthCase{"</a>", std::nullopt}, DepthCase{"<a>1 < 2</a>", std::nullopt},
        DepthCase{"<a><b", std::nullopt},
        DepthCase{"<!DOCTYPE p [<!ENTITY e \"<a>\">]><p>&e;</p>", std::nullopt}, DepthCase{"", 0}));

TEST(PlistFile, RefusesDeepAndHugeInputBeforeParsing) {
    std::string opening, closing;
    for (int i = 0; i < 30000; ++i) {
        opening += "<dict><key>a</key>";
        closing += "</dict>";
    }
    EXPECT_FALSE(parseDictionary("<plist>" + opening + "<true/>" + closing + "</plist>", "f"));
    EXPECT_FALSE(parseDictionary(std::string(maxPlistBytes + 1, ' '), "f"));
    const Result<Plist> empty = parseDictionary("<plist><dict/></plist>", "f");
    EXPECT_TRUE(empty);
    // The cap itself is reachable: plist, the root dictionary and 126 more levels.
    const auto levels = [](int n) {
        std::string xml = "<plist><dict><key>k</key>";
        for (int i = 0; i < n; ++i)
            xml += "<array>";
        for (int i = 0; i < n; ++i)
            xml += "</array>";
        return xml + "</dict></plist>";
    };
    EXPECT_TRUE(parseDictionary(levels(maxPlistDepth - 2), "f"));
    EXPECT_FALSE(parseDictionary(levels(maxPlistDepth - 1), "f"));
}

class StorableText : public ::testing::TestWithParam<std::pair<std::string, bool>> {};

TEST_P(StorableText, AcceptsOnlyTextThatSurvivesXml) {
    EXPECT_EQ(isStorableText(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Value, StorableText,
    ::testing::Values(std::pair{std::string("plain"), true},
                      std::pair{std::string("tab\tand\nnewline"), true},
                      std::pair{std::string("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"), true},
                      std::pair{std::string("nul\0x", 5), false},
                      std::pair{std::string("esc\x1b"), false},
                      std::pair{std::string("lone \xc3"), false},
                      std::pair{std::string("overlong \xc0\xaf"), false},
                      std::pair{std::string("surrogate \xed\xa0\x80"), false},
                      std::pair{std::string("latin1 \xe9t\xe9"), false}));

TEST(ValueText, NumbersRoundTripThroughTheXmlFile) {
    PrivateStore scratch;
    PreferenceStore store(scratch.root(), "");
    const Domain domain{"org.example.numbers"};
    const std::pair<const char *, const char *> numbers[] = {
        {"float", "0.1"}, {"int", "-9223372036854775808"}, {"int", "9223372036854775807"}};
    for (const auto &[type, text] : numbers) {
        ASSERT_FALSE(store.write(domain, text, *parseValue(type, text)));
        const Result<StoredValue> back = store.read(domain, text);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->text, text);
    }
    EXPECT_EQ(store.read(domain, "absent").failure().problem, Problem::missingKey);
}

} // namespace
