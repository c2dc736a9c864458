#pragma once

// Inside the store only: the property-list file format, behind PreferenceStore.
#include "Result.h"

#include <plist/plist.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// Owns one node tree.
struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using Plist = std::unique_ptr<void, PlistFree>;

// Files beyond these bounds are refused before the parser sees them: the parser recurses once
// per nesting level and a crafted file could otherwise exhaust the stack.
constexpr std::size_t maxPlistBytes = 1024 * 1024;
constexpr int maxPlistDepth = 128;

// The deepest element nesting in `xml`, counted so that it never undercounts what an XML parser
// would nest (elements inside comments still count).
int xmlNestingDepth(std::string_view xml);

// Parses a property list whose root is a dictionary; `path` only names the file in messages.
Result<Plist> parseDictionary(std::string_view bytes, const std::string &path);

// Reads and parses the dictionary stored at `path`; a missing file is Problem::missingDomain.
Result<Plist> loadDictionary(const std::string &path);

// Serialises a dictionary as an XML property list.
Result<std::string> toXml(plist_t dictionary);
