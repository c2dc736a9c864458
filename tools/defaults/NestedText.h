// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Value.h"

#include <optional>
#include <string>
#include <string_view>

// The nested form `defaults read` prints containers in, in both directions, so that whatever
// one side writes the other reads back unchanged.

// Appends `text` as a bare word when it is made of letters, digits and '_' only; otherwise in
// double quotes, with '"' and '\' behind a backslash and control characters as \n, \t, \r or
// \xHH, so that none of them reaches a terminal raw.
void appendQuoted(std::string &out, std::string_view text);

// Reads one word as appendQuoted wrote it (or a bare word a person typed, up to a blank, '=',
// ';', ',' or a closing bracket) at `position`, moving past it. None when a quote is left open
// or an escape is not one appendQuoted writes.
std::optional<std::string> parseWord(std::string_view text, std::size_t &position);

// Reads a printed dictionary (`{ key = value; ... }`) whose values are words. Values that are
// themselves containers are stepped over, so that one of them does not hide the rest; none when
// `text` is not a dictionary.
std::optional<StringPairs> parseWordDictionary(std::string_view text);
