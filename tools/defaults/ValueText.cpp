#include "ValueText.h"

#include <plist/plist.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// Seconds from the Unix epoch to the property-list epoch, 2001-01-01 00:00:00 UTC.
constexpr std::int64_t plistEpoch = 978307200;

std::string realText(plist_t node) {
    double value = 0;
    plist_get_real_val(node, &value);
    char buffer[64];
    const auto done = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, done.ptr);
}

std::string dateText(plist_t node) {
    std::int32_t seconds = 0, micro = 0;
    plist_get_date_val(node, &seconds, &micro);
    const std::time_t when = std::time_t(plistEpoch + seconds);
    std::tm parts{};
    char buffer[64];
    gmtime_r(&when, &parts);
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S +0000", &parts);
    return buffer;
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

// Quotes strings in nested output unless they are a plain word.
std::string quoted(std::string_view text) {
    bool plain = !text.empty();
    for (char c : text)
        plain = plain && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '_');
    if (plain)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c == '\n' ? std::string("\\n") : c == '\t' ? std::string("\\t") : std::string(1, c);
    }
    return out + "\"";
}

std::string nestedText(plist_t node, int indent);

std::string containerText(plist_t node, int indent) {
    const std::string inner(std::size_t(indent + 4), ' ');
    const bool isDictionary = plist_get_node_type(node) == PLIST_DICT;
    std::string out = isDictionary ? "{\n" : "(\n";
    if (isDictionary) {
        plist_dict_iter it = nullptr;
        plist_dict_new_iter(node, &it);
        char *key = nullptr;
        plist_t item = nullptr;
        for (plist_dict_next_item(node, it, &key, &item); item;
             plist_dict_next_item(node, it, &key, &item)) {
            out += inner + quoted(key ? key : "") + " = " + nestedText(item, indent + 4) + ";\n";
            free(key);
            key = nullptr;
        }
        free(it);
    } else {
        const std::uint32_t count = plist_array_get_size(node);
        for (std::uint32_t i = 0; i < count; ++i)
            out += inner + nestedText(plist_array_get_item(node, i), indent + 4) +
                   (i + 1 < count ? ",\n" : "\n");
    }
    return out + std::string(std::size_t(indent), ' ') + (isDictionary ? "}" : ")");
}

std::string nestedText(plist_t node, int indent) {
    const plist_type type = plist_get_node_type(node);
    if (type == PLIST_DICT || type == PLIST_ARRAY)
        return containerText(node, indent);
    if (type == PLIST_STRING || type == PLIST_DATE)
        return quoted(valueText(node));
    return valueText(node);
}

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

Result<Plist> integerValue(std::string_view type, std::string_view value) {
    std::int64_t number = 0;
    const char *first = value.data() + (value.starts_with('+') ? 1 : 0);
    const auto [end, error] = std::from_chars(first, value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
        value.starts_with("+-"))
        return badValue(type, value);
    // Integers are stored as their 64-bit pattern; the file shows them signed.
    return Plist(plist_new_uint(static_cast<std::uint64_t>(number)));
}

Result<Plist> floatValue(std::string_view type, std::string_view value) {
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
        !std::isfinite(number))
        return badValue(type, value);
    return Plist(plist_new_real(number));
}

Result<Plist> boolValue(std::string_view type, std::string_view value) {
    std::string lower(value);
    for (char &c : lower)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    if (lower == "true" || lower == "yes" || lower == "1")
        return Plist(plist_new_bool(1));
    if (lower == "false" || lower == "no" || lower == "0")
        return Plist(plist_new_bool(0));
    return badValue(type, value);
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

std::string valueText(void *node) {
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
    case PLIST_ARRAY:
        return containerText(node, 0);
    default:
        return {};
    }
}

std::string typeName(void *node) {
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

Result<Plist> makeValue(std::string_view type, std::string_view value) {
    if (type.empty() || type == "string") {
        if (!isStorableText(value))
            return Failure{Problem::badInput, "Invalid value: not UTF-8 text or it holds control "
                                              "characters"};
        return Plist(plist_new_string(std::string(value).c_str()));
    }
    if (type == "int" || type == "integer")
        return integerValue(type, value);
    if (type == "float")
        return floatValue(type, value);
    if (type == "bool" || type == "boolean")
        return boolValue(type, value);
    return Failure{Problem::badInput, "Unsupported value type -" + std::string(type) +
                                          " (use -string, -int, -float or -bool)"};
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
