// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <string>
#include <string_view>

// A preference domain as the user named it, checked so that it can only ever name one file
// inside the store.
struct Domain {
    std::string name; // file-name stem: "NSGlobalDomain" for the global domain
    bool global = false;

    // How the missing-key message names the domain.
    std::string pairName() const { return global ? "kCFPreferencesAnyApplication" : name; }
};

// Accepts -g, -globalDomain, NSGlobalDomain and reverse-DNS names; refuses anything that could
// reach outside the store (a slash, "..", a leading dot or dash, an empty name).
Result<Domain> parseDomain(std::string_view argument);

// True when `name` is usable as one component of a file name in the store (domains, host ids).
bool isSafeName(std::string_view name);

// The host identifier for by-host files: a keyed hash of the machine id, never the id itself.
std::string hostIdFromMachineId(std::string_view machineId);
