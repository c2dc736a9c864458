// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "Store.h"

#include "AtomicFile.h"
#include "PlistFile.h"
#include "StorePrivacy.h"
#include "ValueText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view extension = ".plist";

std::string readSmallFile(const char *path) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[256];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    return got > 0 ? std::string(buffer, std::size_t(got)) : std::string();
}

std::string homeDirectory(const char *home) {
    if (home && home[0] == '/')
        return home;
    const passwd *entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/";
}

std::size_t fileSize(const std::string &path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? std::size_t(info.st_size) : 0;
}

// A result a read would refuse is never written, or the user could no longer read the domain.
// Deleting may leave a file over the size limit as long as it shrinks it.
Status checkResult(const std::string &xml, const std::string &path, std::size_t allowed) {
    if (xml.size() > allowed)
        return Failure{Problem::tooLarge, "Could not write " + path +
                                              ": the domain would grow past 1 MiB, the most it "
                                              "can hold; nothing was changed"};
    if (xmlNestingDepth(xml).value_or(maxPlistDepth + 1) > maxPlistDepth)
        return Failure{Problem::badInput, "Could not write " + path +
                                              ": the domain would be nested too deeply; nothing "
                                              "was changed"};
    return std::nullopt;
}

enum class Edit { adding, deleting };

// Applies `change` to the dictionary in directory/name (empty when the file is new) under the
// file's lock and replaces the file. Nothing is written when the file cannot be parsed or
// `change` fails.
Status updateFile(const std::string &directory, const std::string &name, Edit edit,
                  const std::function<Status(plist_t dictionary)> &change) {
    Result<FileLock> lock = FileLock::acquire(directory + "/." + name + ".lock");
    if (!lock)
        return lock.failure();
    removeStaleTemporaries(directory, name);
    const std::string path = directory + "/" + name;
    const bool deleting = edit == Edit::deleting;
    Result<Plist> dictionary = loadDictionary(path, deleting ? maxRecoveryBytes : maxPlistBytes);
    if (!dictionary && dictionary.failure().problem != Problem::missingDomain)
        return dictionary.failure();
    Plist current = dictionary ? std::move(*dictionary) : Plist(plist_new_dict());
    if (Status failed = change(current.get()))
        return failed;
    Result<std::string> xml = toXml(current.get());
    if (!xml)
        return xml.failure();
    const std::size_t allowed = deleting ? std::max(maxPlistBytes, fileSize(path)) : maxPlistBytes;
    if (Status refused = checkResult(*xml, path, allowed))
        return refused;
    return replaceFile(directory, name, *xml);
}

// The user may make the store read-only to freeze it; that choice is kept, not repaired. The
// mode is checked rather than left to the write, which root would carry out regardless.
Status checkNotReadOnly(const std::string &directory) {
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0 || info.st_uid != ::geteuid() ||
        (info.st_mode & S_IWUSR))
        return std::nullopt;
    return Failure{Problem::io, "The preference store " + directory +
                                    " is read-only; nothing was changed (make it writable "
                                    "with chmod u+w to change preferences)"};
}

} // namespace

std::string storeRoot(const char *xdgConfigHome, const char *home) {
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    const std::string config = xdgConfigHome && xdgConfigHome[0] == '/'
                                   ? std::string(xdgConfigHome)
                                   : homeDirectory(home) + "/.config";
    return config + "/vantel-preferences";
}

Result<std::string> currentHostId() {
    for (const char *path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
        const std::string id = readSmallFile(path);
        if (id.size() >= 32)
            return hostIdFromMachineId(id);
    }
    return Failure{Problem::io, "Could not identify this host: /etc/machine-id is missing"};
}

PreferenceStore::PreferenceStore(std::string root, std::string hostId)
    : root_(std::move(root)), hostId_(std::move(hostId)) {}

std::string PreferenceStore::directory() const {
    return hostId_.empty() ? root_ : root_ + "/ByHost";
}

std::string PreferenceStore::fileName(const Domain &domain) const {
    return hostId_.empty() ? domain.name + std::string(extension)
                           : domain.name + "." + hostId_ + std::string(extension);
}

std::string PreferenceStore::pathFor(const Domain &domain) const {
    return directory() + "/" + fileName(domain);
}

Result<std::string> PreferenceStore::read(const Domain &domain) const {
    Result<Plist> dictionary = loadDictionary(pathFor(domain));
    if (!dictionary)
        return dictionary.failure();
    return valueText(dictionary->get());
}

Result<StoredValue> PreferenceStore::read(const Domain &domain, const std::string &key) const {
    Result<Plist> dictionary = loadDictionary(pathFor(domain));
    if (!dictionary)
        return dictionary.failure();
    plist_t item = plist_dict_get_item(dictionary->get(), key.c_str());
    if (!item)
        return Failure{Problem::missingKey, key};
    return StoredValue{valueText(item), typeName(item)};
}

Result<Listing> PreferenceStore::readAll() const {
    Result<std::vector<std::string>> names = domains();
    if (!names)
        return names.failure();
    Listing listing{"{\n", {}};
    for (const std::string &name : *names) {
        const Domain each{name, name == "NSGlobalDomain"};
        Result<Plist> dictionary = loadDictionary(pathFor(each));
        if (dictionary)
            appendEntry(listing.text, name, dictionary->get(), 4);
        else if (dictionary.failure().problem != Problem::missingDomain) // removed meanwhile
            listing.skipped.push_back(dictionary.failure());
    }
    listing.text += "}";
    return listing;
}

Status PreferenceStore::prepareWrite(const std::string &key) const {
    if (!isValidKey(key))
        return Failure{Problem::badInput, "Invalid key: empty, not UTF-8 text or it holds tabs, "
                                          "line breaks or other control characters"};
    // Before creating anything, so that a read-only store is named as such.
    if (Status refused = checkWritable())
        return refused;
    return makeDirectories();
}

Status PreferenceStore::write(const Domain &domain, const std::string &key, const Value &value) {
    if (Status failed = prepareWrite(key))
        return failed;
    return updateFile(directory(), fileName(domain), Edit::adding, [&](plist_t dictionary) {
        plist_dict_set_item(dictionary, key.c_str(), nodeFor(value).release());
        return Status();
    });
}

Status PreferenceStore::addToDictionary(const Domain &domain, const std::string &key,
                                        const StringPairs &pairs) {
    if (Status failed = prepareWrite(key))
        return failed;
    return updateFile(directory(), fileName(domain), Edit::adding, [&](plist_t dictionary) {
        plist_t stored = plist_dict_get_item(dictionary, key.c_str());
        if (!stored) {
            plist_dict_set_item(dictionary, key.c_str(), nodeFor(pairs).release());
            return Status();
        }
        if (plist_get_node_type(stored) != PLIST_DICT)
            return Status(
                Failure{Problem::badInput, "Cannot add to " + key + " in " + domain.name +
                                               ": it holds a value of type " + typeName(stored) +
                                               ", not a dictionary; nothing was changed"});
        addPairs(stored, pairs);
        return Status();
    });
}

Status PreferenceStore::removeFromDictionary(const Domain &domain, const std::string &key,
                                             const std::vector<std::string> &keys) {
    if (::access(pathFor(domain).c_str(), F_OK) != 0)
        return std::nullopt;
    if (Status refused = checkWritable())
        return refused;
    Status failed = updateFile(directory(), fileName(domain), Edit::deleting, [&](plist_t root) {
        plist_t stored = plist_dict_get_item(root, key.c_str());
        if (!stored)
            return Status(Failure{Problem::missingKey, key});
        if (plist_get_node_type(stored) != PLIST_DICT)
            return Status(
                Failure{Problem::badInput, "Cannot remove from " + key + " in " + domain.name +
                                               ": it holds a value of type " + typeName(stored) +
                                               ", not a dictionary; nothing was changed"});
        bool removed = false;
        for (const std::string &each : keys) {
            removed = removed || plist_dict_get_item(stored, each.c_str());
            plist_dict_remove_item(stored, each.c_str());
        }
        return removed ? Status() : Status(Failure{Problem::missingKey, key});
    });
    // Nothing to remove is what was asked for; the file was left as it was.
    if (failed &&
        (failed->problem == Problem::missingKey || failed->problem == Problem::missingDomain))
        return std::nullopt;
    return failed;
}

Status PreferenceStore::remove(const Domain &domain, const std::string &key) {
    // Deleting from a domain that does not exist must not create its directories either.
    if (::access(pathFor(domain).c_str(), F_OK) != 0)
        return Failure{Problem::missingDomain, pathFor(domain)};
    if (Status refused = checkWritable())
        return refused;
    return updateFile(directory(), fileName(domain), Edit::deleting, [&](plist_t dictionary) {
        if (!plist_dict_get_item(dictionary, key.c_str()))
            return Status(Failure{Problem::missingKey, key});
        plist_dict_remove_item(dictionary, key.c_str());
        return Status();
    });
}

Status PreferenceStore::makeDirectories() const {
    if (Status failed = makePrivateDirectory(root_))
        return failed;
    return hostId_.empty() ? std::nullopt : makePrivateDirectory(directory());
}

// Also makes the store private, so that it runs before anything is written.
Status PreferenceStore::checkWritable() const {
    if (Status refused = checkNotReadOnly(root_))
        return refused;
    if (Status refused = hostId_.empty() ? std::nullopt : checkNotReadOnly(directory()))
        return refused;
    return makeStorePrivate(root_);
}

Status PreferenceStore::remove(const Domain &domain) {
    const std::string name = fileName(domain);
    if (::access(pathFor(domain).c_str(), F_OK) != 0)
        return Failure{Problem::missingDomain, pathFor(domain)};
    if (Status refused = checkWritable())
        return refused;
    Result<FileLock> lock = FileLock::acquire(directory() + "/." + name + ".lock");
    if (!lock)
        return lock.failure();
    removeStaleTemporaries(directory(), name);
    // A file that cannot be parsed is kept for its owner to inspect, like every write keeps it;
    // one that is only too large to read goes, or the user could never get rid of it.
    if (Result<Plist> current = loadDictionary(pathFor(domain)); !current)
        if (current.failure().problem != Problem::tooLarge)
            return current.failure();
    return removeFile(directory(), name);
}

Result<std::vector<std::string>> PreferenceStore::domains() const {
    std::vector<std::string> names;
    DIR *listing = ::opendir(directory().c_str());
    if (!listing) {
        if (errno == ENOENT)
            return names;
        return Failure{Problem::io, "Could not list " + directory() + ": " + std::strerror(errno)};
    }
    const std::string suffix =
        hostId_.empty() ? std::string(extension) : "." + hostId_ + std::string(extension);
    while (const dirent *entry = ::readdir(listing)) {
        const std::string_view file = entry->d_name;
        if (file.size() > suffix.size() && file.ends_with(suffix) && file.front() != '.') {
            const std::string_view stem = file.substr(0, file.size() - suffix.size());
            if (isSafeName(stem))
                names.emplace_back(stem);
        }
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}
