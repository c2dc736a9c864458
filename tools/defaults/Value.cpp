// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "Value.h"

#include <charconv>
#include <cmath>

namespace {

// Rules out overlong forms, UTF-16 surrogates and code points beyond U+10FFFF.
bool validSecondByte(unsigned char lead, unsigned char second) {
    if (lead == 0xe0)
        return second >= 0xa0;
    if (lead == 0xed)
        return second < 0xa0;
    if (lead == 0xf0)
        return second >= 0x90;
    if (lead == 0xf4)
        return second < 0x90;
    return true;
}

Failure badValue(std::string_view type, std::string_view value) {
    return Failure{Problem::badInput,
                   "Invalid value for -" + std::string(type) + ": \"" + std::string(value) + "\""};
}

Result<Value> integerValue(std::string_view type, std::string_view value) {
    std::int64_t number = 0;
    const char *first = value.data() + (value.starts_with('+') ? 1 : 0);
    const auto [end, error] = std::from_chars(first, value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
        value.starts_with("+-"))
        return badValue(type, value);
    return Value(number);
}

Result<Value> floatValue(std::string_view type, std::string_view value) {
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
        !std::isfinite(number))
        return badValue(type, value);
    return Value(number);
}

Result<Value> boolValue(std::string_view type, std::string_view value) {
    std::string lower(value);
    for (char &c : lower)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    if (lower == "true" || lower == "yes" || lower == "1")
        return Value(true);
    if (lower == "false" || lower == "no" || lower == "0")
        return Value(false);
    return badValue(type, value);
}

// A type flag among the pairs is a typed value this form cannot store; kept as text it would
// silently become a string such as "-int".
bool isTypeFlag(std::string_view argument) {
    for (std::string_view flag : {"-string", "-int", "-integer", "-float", "-bool", "-boolean",
                                  "-dict", "-dict-add", "-array", "-array-add", "-data", "-date"})
        if (argument == flag)
            return true;
    return false;
}

} // namespace

Result<StringPairs> parsePairs(const std::vector<std::string_view> &arguments) {
    for (std::string_view argument : arguments)
        if (isTypeFlag(argument))
            return Failure{Problem::badInput, "Dictionary keys and values are strings; " +
                                                  std::string(argument) +
                                                  " cannot be used among them"};
    if (arguments.size() % 2 != 0)
        return Failure{Problem::badInput, "Dictionary needs a value for every key: \"" +
                                              std::string(arguments.back()) + "\" has none"};
    StringPairs pairs;
    for (std::size_t i = 0; i < arguments.size(); i += 2) {
        if (!isValidKey(arguments[i]))
            return Failure{Problem::badInput, "Invalid dictionary key: empty, not UTF-8 text or "
                                              "it holds tabs, line breaks or other control "
                                              "characters"};
        if (!isStorableText(arguments[i + 1]))
            return Failure{Problem::badInput, "Invalid dictionary value: not UTF-8 text or it "
                                              "holds control characters"};
        pairs.emplace_back(arguments[i], arguments[i + 1]);
    }
    return pairs;
}

Result<Value> parseValue(std::string_view type, std::string_view text) {
    if (type.empty() || type == "string") {
        if (!isStorableText(text))
            return Failure{Problem::badInput, "Invalid value: not UTF-8 text or it holds control "
                                              "characters"};
        return Value(std::string(text));
    }
    if (type == "int" || type == "integer")
        return integerValue(type, text);
    if (type == "float")
        return floatValue(type, text);
    if (type == "bool" || type == "boolean")
        return boolValue(type, text);
    return Failure{Problem::badInput,
                   "Unsupported value type -" + std::string(type) +
                       " (use -string, -int, -float, -bool, -dict or -dict-add)"};
}

bool isStorableText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r')
            return false;
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xf0 && lead < 0xf5 ? 4
                                   : lead >= 0xe0                ? 3
                                   : lead >= 0xc2                ? 2
                                                                 : 0;
        if (length == 0 || lead == 0x7f || i + length > text.size())
            return false;
        if (!validSecondByte(lead, static_cast<unsigned char>(text[i + (length > 1)])))
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

bool isValidKey(std::string_view key) {
    return !key.empty() && key.find_first_of("\t\n\r") == std::string_view::npos &&
           isStorableText(key);
}
