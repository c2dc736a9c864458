#pragma once

#include "PlistFile.h"

#include <string>
#include <string_view>

// Text for one stored value: booleans as 1 or 0, numbers in decimal, strings as they are, and
// dictionaries and arrays in the readable nested form used for whole domains.
std::string valueText(void *node);

// The word read-type reports: boolean, integer, float, string, dictionary, array, data, date.
std::string typeName(void *node);

// Builds the node for `write ... -TYPE VALUE`; `type` is the flag without its dash, or empty
// for a plain string. A value that does not fit the type is a Problem::badInput failure.
Result<Plist> makeValue(std::string_view type, std::string_view value);

// True when `text` is UTF-8 without control characters other than tab and line breaks, so
// that it survives the trip through an XML file.
bool isStorableText(std::string_view text);
