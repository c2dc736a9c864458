// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

// Inside the store only: how stored nodes turn into text and values into nodes.
#include "PlistFile.h"
#include "Value.h"

#include <string>
#include <string_view>

// Text for one stored value: booleans as 1 or 0, numbers in decimal, strings as they are, and
// dictionaries and arrays in the readable nested form used for whole domains.
std::string valueText(plist_t node);

// Appends `    key = value;` at `indent` in the nested form; used to print many domains as one.
void appendEntry(std::string &out, std::string_view key, plist_t node, int indent);

// The word read-type reports: boolean, integer, float, string, dictionary, array, data, date.
std::string typeName(plist_t node);

// Sets each pair in `dictionary` as a string, replacing an entry with the same key.
void addPairs(plist_t dictionary, const StringPairs &pairs);

// The node that stores `value`.
Plist nodeFor(const Value &value);
