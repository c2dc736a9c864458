// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "ValueText.h"

#include "NestedText.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string realText(plist_t node) {
    double value = 0;
    plist_get_real_val(node, &value);
    char buffer[64];
    const auto done = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, done.ptr);
}

// The node's own seconds getter is 32-bit and wraps outside 1901-2038, while its XML form keeps
// the full date, so the date is taken from there: "2100-01-01T00:00:00Z".
std::string dateText(plist_t node) {
    const Result<std::string> xml = toXml(node);
    const std::size_t open = xml ? xml->find("<date>") : std::string::npos;
    const std::size_t close = xml ? xml->find("</date>") : std::string::npos;
    if (open == std::string::npos || close == std::string::npos || close < open)
        return {};
    std::string text = xml->substr(open + 6, close - open - 6);
    const std::size_t t = text.find('T');
    if (t == std::string::npos || !text.ends_with('Z'))
        return text;
    text[t] = ' ';
    text.pop_back();
    return text + " +0000";
}

std::string dataText(plist_t node) {
    static const char hex[] = "0123456789abcdef";
    std::uint64_t length = 0;
    const char *bytes = plist_get_data_ptr(node, &length);
    std::string text = "<";
    for (std::uint64_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text += hex[byte >> 4];
        text += hex[byte & 0xf];
    }
    return text + ">";
}

void appendNested(std::string &out, plist_t node, int indent);

void appendContainer(std::string &out, plist_t node, int indent) {
    const bool isDictionary = plist_get_node_type(node) == PLIST_DICT;
    out += isDictionary ? "{\n" : "(\n";
    if (isDictionary) {
        forEachDictItem(node, [&](const char *key, plist_t item) {
            appendEntry(out, key ? key : "", item, indent + 4);
        });
    } else {
        const std::uint32_t count = plist_array_get_size(node);
        for (std::uint32_t i = 0; i < count; ++i) {
            out.append(std::size_t(indent + 4), ' ');
            appendNested(out, plist_array_get_item(node, i), indent + 4);
            out += i + 1 < count ? ",\n" : "\n";
        }
    }
    out.append(std::size_t(indent), ' ');
    out += isDictionary ? "}" : ")";
}

void appendNested(std::string &out, plist_t node, int indent) {
    const plist_type type = plist_get_node_type(node);
    if (type == PLIST_DICT || type == PLIST_ARRAY)
        appendContainer(out, node, indent);
    else if (type == PLIST_STRING || type == PLIST_DATE)
        appendQuoted(out, valueText(node));
    else
        out += valueText(node);
}

std::string numberText(plist_t node) {
    std::uint64_t bits = 0;
    if (plist_get_node_type(node) == PLIST_UID) {
        plist_get_uid_val(node, &bits);
        return std::to_string(bits);
    }
    plist_get_uint_val(node, &bits);
    return std::to_string(static_cast<std::int64_t>(bits));
}

} // namespace

void appendEntry(std::string &out, std::string_view key, plist_t node, int indent) {
    out.append(std::size_t(indent), ' ');
    appendQuoted(out, key);
    out += " = ";
    appendNested(out, node, indent);
    out += ";\n";
}

std::string valueText(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN:
        return plist_bool_val_is_true(node) ? "1" : "0";
    case PLIST_UINT:
    case PLIST_UID:
        return numberText(node);
    case PLIST_REAL:
        return realText(node);
    case PLIST_STRING: {
        std::uint64_t length = 0;
        const char *text = plist_get_string_ptr(node, &length);
        return text ? std::string(text, length) : std::string();
    }
    case PLIST_DATE:
        return dateText(node);
    case PLIST_DATA:
        return dataText(node);
    case PLIST_DICT:
    case PLIST_ARRAY: {
        std::string out;
        appendContainer(out, node, 0);
        return out;
    }
    default:
        return {};
    }
}

std::string typeName(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN:
        return "boolean";
    case PLIST_UINT:
    case PLIST_UID:
        return "integer";
    case PLIST_REAL:
        return "float";
    case PLIST_DICT:
        return "dictionary";
    case PLIST_ARRAY:
        return "array";
    case PLIST_DATE:
        return "date";
    case PLIST_DATA:
        return "data";
    default:
        return "string";
    }
}

void addPairs(plist_t dictionary, const StringPairs &pairs) {
    for (const auto &[key, text] : pairs)
        plist_dict_set_item(dictionary, key.c_str(), plist_new_string(text.c_str()));
}

Plist nodeFor(const Value &value) {
    struct Maker {
        plist_t operator()(bool on) const { return plist_new_bool(on); }
        // Integers are stored as their 64-bit pattern; the file shows them signed.
        plist_t operator()(std::int64_t n) const {
            return plist_new_uint(static_cast<std::uint64_t>(n));
        }
        plist_t operator()(double x) const { return plist_new_real(x); }
        plist_t operator()(const std::string &s) const { return plist_new_string(s.c_str()); }
        plist_t operator()(const StringPairs &pairs) const {
            plist_t dictionary = plist_new_dict();
            addPairs(dictionary, pairs);
            return dictionary;
        }
    };
    return Plist(std::visit(Maker{}, value));
}
