// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Domain.h"
#include "Result.h"
#include "Value.h"

#include <string>
#include <vector>

// Where the store lives: $XDG_CONFIG_HOME/vantel-preferences, or ~/.config/... when that is
// unset or not absolute. Either argument may be null.
std::string storeRoot(const char *xdgConfigHome, const char *home);

// This machine's host identifier, from /etc/machine-id (or the D-Bus copy of it).
Result<std::string> currentHostId();

// One stored value as the tool prints it.
struct StoredValue {
    std::string text; // booleans as 1 or 0, containers in the nested form
    std::string type; // boolean, integer, float, string, dictionary, array, data or date
};

// Every readable domain as one nested text, and the domains that could not be read.
struct Listing {
    std::string text;
    std::vector<Failure> skipped;
};

// The per-user preference store: one XML property list per domain, plus by-host copies in
// ByHost/ named DOMAIN.HOSTID.plist. Reads never lock; writes are serialised by a lock file
// and replace the domain file atomically, so a reader sees the old file or the new one.
// Missing things are reported as Problem::missingDomain and Problem::missingKey.
class PreferenceStore {
public:
    // An empty `hostId` addresses the ordinary files, any other the by-host files of that host.
    PreferenceStore(std::string root, std::string hostId);

    // The file that holds `domain` for this store's host.
    std::string pathFor(const Domain &domain) const;

    // The whole domain in the nested form.
    Result<std::string> read(const Domain &domain) const;

    // One value of the domain.
    Result<StoredValue> read(const Domain &domain, const std::string &key) const;

    // Every domain of this store's host in one nested text; unreadable ones are skipped.
    Result<Listing> readAll() const;

    // Stores `value` under `key`, creating the domain when it is new. The file is left
    // untouched when it cannot be parsed or would grow past what a read accepts.
    Status write(const Domain &domain, const std::string &key, const Value &value);

    // Adds `pairs` to the dictionary stored under `key`, replacing entries with the same keys,
    // and creates it when the key is absent. Read and change happen under one lock, so that two
    // concurrent additions both land. A key holding anything but a dictionary is refused.
    Status addToDictionary(const Domain &domain, const std::string &key, const StringPairs &pairs);

    // Removes `keys` from the dictionary stored under `key`, keeping every other entry, under the
    // same lock as additions, so that an entry someone adds meanwhile survives. Keys that are not
    // there, or a domain or dictionary that does not exist, leave nothing to do; a key holding
    // anything but a dictionary is refused. Never creates the domain.
    Status removeFromDictionary(const Domain &domain, const std::string &key,
                                const std::vector<std::string> &keys);

    // Removes one key; never creates the domain. Works on a domain grown too large to read.
    Status remove(const Domain &domain, const std::string &key);

    // Removes the whole domain; like write, refuses when the file cannot be parsed (but not
    // when it is merely too large to read).
    Status remove(const Domain &domain);

    // The names of the stored domains, sorted.
    Result<std::vector<std::string>> domains() const;

private:
    Status prepareWrite(const std::string &key) const;
    Status makeDirectories() const;
    Status checkWritable() const;
    std::string directory() const;
    std::string fileName(const Domain &domain) const;

    std::string root_;
    std::string hostId_;
};
