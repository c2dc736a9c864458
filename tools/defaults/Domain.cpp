// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "Domain.h"

#include "Sha256.h"

namespace {

// Leaves room for the host id, the extension and the lock or temporary prefix within the
// 255-byte limit of a file name.
constexpr std::size_t maxNameLength = 160;

// Changing the key would orphan every existing by-host file, so it is fixed for good.
constexpr std::string_view hostKey = "vantel-preferences/by-host/1";

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

} // namespace

bool isSafeName(std::string_view name) {
    if (name.empty() || name.size() > maxNameLength)
        return false;
    // A leading dash would read as an option, a leading dot as a hidden or relative name.
    if (name.front() == '.' || name.front() == '-' || name.back() == '.')
        return false;
    if (name.find("..") != std::string_view::npos)
        return false;
    for (char c : name)
        if (!isNameCharacter(c))
            return false;
    return true;
}

Result<Domain> parseDomain(std::string_view argument) {
    if (argument == "-g" || argument == "-globalDomain" || argument == "NSGlobalDomain")
        return Domain{"NSGlobalDomain", true};
    if (!isSafeName(argument))
        return Failure{Problem::badInput,
                       "Invalid domain name \"" + std::string(argument) +
                           "\": use -g for the global domain or a reverse-DNS name made of "
                           "letters, digits, '.', '_' and '-' (for example org.example.app)"};
    return Domain{std::string(argument), false};
}

std::string hostIdFromMachineId(std::string_view machineId) {
    return hexPrefix(hmacSha256(hostKey, trimmed(machineId)), 16);
}
