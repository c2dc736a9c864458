// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "NestedText.h"

namespace {

constexpr char hexDigits[] = "0123456789abcdef";

bool isPlain(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool endsBareWord(char c) {
    return isBlank(c) || c == '=' || c == ';' || c == ',' || c == '}' || c == ')';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void skipBlanks(std::string_view text, std::size_t &position) {
    while (position < text.size() && isBlank(text[position]))
        ++position;
}

bool expect(std::string_view text, std::size_t &position, char expected) {
    skipBlanks(text, position);
    if (position >= text.size() || text[position] != expected)
        return false;
    ++position;
    return true;
}

// The character an escape at `position` (just past the backslash) stands for; moves past it.
std::optional<char> unescaped(std::string_view text, std::size_t &position) {
    if (position >= text.size())
        return std::nullopt;
    switch (const char c = text[position++]) {
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'r':
        return '\r';
    case '"':
    case '\\':
        return c;
    case 'x': {
        if (position + 2 > text.size())
            return std::nullopt;
        const int high = hexValue(text[position]), low = hexValue(text[position + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        position += 2;
        return static_cast<char>(high * 16 + low);
    }
    default:
        return std::nullopt;
    }
}

std::optional<std::string> quotedWord(std::string_view text, std::size_t &position) {
    std::string word;
    for (++position; position < text.size();) {
        const char c = text[position++];
        if (c == '"')
            return word;
        if (c != '\\') {
            word += c;
            continue;
        }
        const std::optional<char> escape = unescaped(text, position);
        if (!escape)
            return std::nullopt;
        word += *escape;
    }
    return std::nullopt;
}

bool skipValue(std::string_view text, std::size_t &position, int depth);

// Steps over a dictionary or an array without keeping it. The depth bound keeps a hostile
// listing from exhausting the stack.
bool skipContainer(std::string_view text, std::size_t &position, int depth) {
    if (depth > 64)
        return false;
    const bool dictionary = text[position++] == '{';
    const char closing = dictionary ? '}' : ')';
    while (!expect(text, position, closing)) {
        if (dictionary && (!parseWord(text, position) || !expect(text, position, '=')))
            return false;
        if (!skipValue(text, position, depth + 1))
            return false;
        skipBlanks(text, position);
        if (position < text.size() && text[position] == (dictionary ? ';' : ','))
            ++position;
        else if (dictionary || position >= text.size() || text[position] != closing)
            return false;
    }
    return true;
}

bool skipValue(std::string_view text, std::size_t &position, int depth) {
    skipBlanks(text, position);
    if (position < text.size() && (text[position] == '{' || text[position] == '('))
        return skipContainer(text, position, depth);
    return parseWord(text, position).has_value();
}

} // namespace

void appendQuoted(std::string &out, std::string_view text) {
    bool plain = !text.empty();
    for (char c : text)
        plain = plain && isPlain(c);
    if (plain) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            out += {'\\', c};
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (byte < 0x20 || byte == 0x7f)
            out += {'\\', 'x', hexDigits[byte >> 4], hexDigits[byte & 0xf]};
        else
            out += c;
    }
    out += '"';
}

std::optional<std::string> parseWord(std::string_view text, std::size_t &position) {
    skipBlanks(text, position);
    if (position < text.size() && text[position] == '"')
        return quotedWord(text, position);
    const std::size_t start = position;
    while (position < text.size() && !endsBareWord(text[position]) && text[position] != '"')
        ++position;
    return std::string(text.substr(start, position - start));
}

std::optional<StringPairs> parseWordDictionary(std::string_view text) {
    std::size_t position = 0;
    if (!expect(text, position, '{'))
        return std::nullopt;
    StringPairs pairs;
    while (!expect(text, position, '}')) {
        std::optional<std::string> key = parseWord(text, position);
        if (!key || key->empty() || !expect(text, position, '='))
            return std::nullopt;
        skipBlanks(text, position);
        if (position < text.size() && (text[position] == '{' || text[position] == '(')) {
            if (!skipContainer(text, position, 0))
                return std::nullopt;
        } else {
            std::optional<std::string> value = parseWord(text, position);
            if (!value)
                return std::nullopt;
            pairs.emplace_back(std::move(*key), std::move(*value));
        }
        if (!expect(text, position, ';'))
            return std::nullopt;
    }
    skipBlanks(text, position);
    return position == text.size() ? std::optional(std::move(pairs)) : std::nullopt;
}
