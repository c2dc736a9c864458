#pragma once

#include "Domain.h"
#include "PlistFile.h"

#include <functional>
#include <string>
#include <vector>

// Where the store lives: $XDG_CONFIG_HOME/vantel-preferences, or ~/.config/... when that is
// unset or not absolute. Either argument may be null.
std::string storeRoot(const char *xdgConfigHome, const char *home);

// This machine's host identifier, from /etc/machine-id (or the D-Bus copy of it).
Result<std::string> currentHostId();

// The per-user preference store: one XML property list per domain, plus by-host copies in
// ByHost/ named DOMAIN.HOSTID.plist. Reads never lock; writes are serialised by a lock file
// and replace the domain file atomically, so a reader sees the old file or the new one.
class PreferenceStore {
public:
    // An empty `hostId` addresses the ordinary files, any other the by-host files of that host.
    PreferenceStore(std::string root, std::string hostId);

    // The file that holds `domain` for this store's host.
    std::string pathFor(const Domain &domain) const;

    // The stored dictionary; Problem::missingDomain when there is no file.
    Result<Plist> load(const Domain &domain) const;

    // Applies `change` to the domain's dictionary (empty when the domain is new) and stores the
    // result. The file is left untouched when it cannot be parsed or `change` fails.
    Status update(const Domain &domain, const std::function<Status(void *dictionary)> &change);

    // Removes the whole domain; like update, refuses when the file cannot be parsed.
    Status remove(const Domain &domain);

    // The names of the stored domains, sorted.
    Result<std::vector<std::string>> domains() const;

private:
    std::string directory() const;
    std::string fileName(const Domain &domain) const;

    std::string root_;
    std::string hostId_;
};
