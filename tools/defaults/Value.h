// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// A dictionary of strings as `write -dict` gives it, in the order given; a later pair replaces
// an earlier one with the same key.
using StringPairs = std::vector<std::pair<std::string, std::string>>;

// A value the command line can store: the kinds `write -TYPE` and `write -dict` know. Values of
// other kinds (arrays, dates, data, nested dictionaries) are only ever read from files.
using Value = std::variant<bool, std::int64_t, double, std::string, StringPairs>;

// Builds the value for `write ... -TYPE VALUE`; `type` is the flag without its dash, or empty
// for a plain string. A value that does not fit the type is a Problem::badInput failure.
Result<Value> parseValue(std::string_view type, std::string_view text);

// Builds the pairs for `write ... -dict K V ...` from the arguments after the flag: keys must be
// valid keys, values storable text, and every key needs its value.
Result<StringPairs> parsePairs(const std::vector<std::string_view> &arguments);

// True when `text` is UTF-8 without control characters other than tab and line breaks, so
// that it survives the trip through an XML file.
bool isStorableText(std::string_view text);

// True when `key` can name a value: storable text that is not empty and holds no tab or line
// break, so that every key prints on one line of a domain listing.
bool isValidKey(std::string_view key);
