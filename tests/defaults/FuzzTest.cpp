// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// Random mutations of property lists through the store's parse-and-print path: whatever the
// bytes, parsing either refuses or yields a tree within the limits that prints, serialises and
// reads back. Seeded and bounded, so every run checks the same inputs.
#include "PlistFile.h"
#include "Store.h"
#include "ToolProcess.h"
#include "ValueText.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string repeated(const std::string &piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Files the tool writes itself, with every kind of value it can store.
std::vector<std::string> writtenSeeds() {
    PrivateStore scratch;
    PreferenceStore store(scratch.root(), "");
    const Domain domain{"org.example.fuzz"};
    const std::pair<const char *, const char *> values[] = {
        {"bool", "yes"},    {"int", "-9223372036854775808"},      {"float", "1e-300"},
        {"", "a&b<c>\"d'"}, {"", "caf\xc3\xa9 \xf0\x9f\x98\x80"}, {"", "line\nbreak\ttab"}};
    std::vector<std::string> seeds;
    int n = 0;
    for (const auto &[type, text] : values) {
        EXPECT_FALSE(store.write(domain, "k" + std::to_string(n++), *parseValue(type, text)));
        seeds.push_back(fileBytes(store.pathFor(domain)));
    }
    return seeds;
}

// The other value kinds and the tricks that once hid nesting from the depth count.
std::vector<std::string> craftedSeeds() {
    const std::string open = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>a</key>";
    const std::string close = "</dict></plist>";
    return {
        open +
            "<array><dict><key>d</key><date>2100-01-01T00:00:00Z</date></dict>"
            "<data>AAH/</data><real>2.5</real><integer>7</integer></array>" +
            close,
        open + repeated("<array x=\"></>\">", 40) + repeated("</array>", 40) + close,
        open + repeated("<array x='</array>'>", 40) + repeated("</array>", 40) + close,
        open + repeated("<!--><array>-->", 40) + repeated("</array>", 40) + close,
        open + "<![CDATA[<array></array>]]><string><![CDATA[x]]></string>" + close,
        "<!DOCTYPE plist [<!ENTITY e \"<array>\">]>" + open + "<string>&e;</string>" + close,
        open + repeated("<array>", 126) + repeated("</array>", 126) + close,
    };
}

const std::string tokens[] = {"<array>", "</array>", "<dict>",    "</dict>", "<key>k</key>",
                              "<!--",    "-->",      "<![CDATA[", "]]>",     "\"",
                              "'",       "<",        ">",         "/>",      "&amp;",
                              "&#13;",   "<true/>",  "<date>",    "</date>", "<?x ?>"};

std::string mutate(std::string input, const std::vector<std::string> &seeds, std::mt19937 &random) {
    const auto at = [&] { return input.empty() ? 0 : std::size_t(random() % input.size()); };
    for (int edits = 1 + int(random() % 4); edits > 0; --edits) {
        switch (random() % 6) {
        case 0:
            if (!input.empty())
                input[at()] = char(random() % 256);
            break;
        case 1:
            input.insert(at(), tokens[random() % std::size(tokens)]);
            break;
        case 2: {
            const std::size_t from = at();
            input.erase(from, random() % 64);
            break;
        }
        case 3: { // repeats a stretch, which deepens nesting quickly
            const std::size_t from = at();
            const std::string piece = input.substr(from, random() % 48);
            input.insert(from, repeated(piece, 1 + int(random() % 60)));
            break;
        }
        case 4:
            input.resize(at());
            break;
        default: { // splices another seed in
            const std::string &other = seeds[random() % seeds.size()];
            input.insert(at(), other.substr(random() % (other.size() + 1)));
        }
        }
    }
    return input.substr(0, 256 * 1024);
}

TEST(Fuzz, ParsingAndPrintingHoldForMutatedFiles) {
    std::vector<std::string> seeds = writtenSeeds();
    for (std::string &seed : craftedSeeds())
        seeds.push_back(std::move(seed));
    std::mt19937 random(14);
    int accepted = 0;
    for (int round = 0; round < 60000; ++round) {
        const std::string input = mutate(seeds[random() % seeds.size()], seeds, random);
        const Result<Plist> parsed = parseDictionary(input, "fuzz");
        if (!parsed)
            continue;
        ++accepted;
        ASSERT_LE(treeDepth(parsed->get()), maxPlistDepth) << input;
        const std::string printed = valueText(parsed->get());
        const Result<std::string> xml = toXml(parsed->get());
        ASSERT_TRUE(xml) << input;
        // What the store writes, it reads back, unless it would be refused as too large.
        if (xml->size() <= maxPlistBytes && xmlNestingDepth(*xml) <= maxPlistDepth) {
            const Result<Plist> again = parseDictionary(*xml, "fuzz");
            ASSERT_TRUE(again) << again.failure().message << "\n" << input;
            EXPECT_EQ(valueText(again->get()), printed) << input;
        }
    }
    EXPECT_GT(accepted, 2000); // otherwise the mutations proved little
}

} // namespace
