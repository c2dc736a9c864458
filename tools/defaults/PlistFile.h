// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

// Inside the store only: the property-list file format, behind PreferenceStore.
#include "Result.h"

#include <plist/plist.h>

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Owns one node tree.
struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using Plist = std::unique_ptr<void, PlistFree>;

// Files beyond these bounds are refused before the parser sees them: the parser recurses once
// per nesting level and a crafted file could otherwise exhaust the stack. A write whose result
// would break them is refused too, so that the store never locks its user out of a domain.
constexpr std::size_t maxPlistBytes = 1024 * 1024;
constexpr int maxPlistDepth = 128;
// Deleting accepts larger files, so that a domain grown past the limit (by hand or by an older
// version) can be shrunk again.
constexpr std::size_t maxRecoveryBytes = 16 * 1024 * 1024;

// The deepest element nesting in `xml`, counted so that it never undercounts what an XML parser
// would nest: openings inside comments and the like count, closings must match. Empty when the
// markup is one that parsers read differently ('<' in a quoted value, a stray '<', a closing
// that does not match, an internal DTD subset); such a file is refused.
std::optional<int> xmlNestingDepth(std::string_view xml);

// Calls `visit(key, item)` for each entry of the dictionary `node`, in stored order; the key may
// be null for an entry the file gave none.
template <typename Visit> void forEachDictItem(plist_t node, Visit &&visit) {
    plist_dict_iter it = nullptr;
    plist_dict_new_iter(node, &it);
    char *key = nullptr;
    plist_t item = nullptr;
    for (plist_dict_next_item(node, it, &key, &item); item;
         plist_dict_next_item(node, it, &key, &item)) {
        visit(static_cast<const char *>(key), item);
        std::free(key);
        key = nullptr;
    }
    std::free(it);
}

// The depth of a parsed tree (a dictionary holding only scalars is 2 deep), found without
// recursion.
int treeDepth(plist_t root);

// Parses a property list whose root is a dictionary; `path` only names the file in messages.
Result<Plist> parseDictionary(std::string_view bytes, const std::string &path,
                              std::size_t limit = maxPlistBytes);

// Reads and parses the dictionary stored at `path`; a missing file is Problem::missingDomain,
// one larger than `limit` Problem::tooLarge.
Result<Plist> loadDictionary(const std::string &path, std::size_t limit = maxPlistBytes);

// Serialises a node (normally a dictionary) as an XML property list.
Result<std::string> toXml(plist_t node);
