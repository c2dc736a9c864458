// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "StorePrivacy.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Failure ioFailure(const std::string &what, const std::string &path, int error) {
    return Failure{Problem::io, what + " " + path + ": " + std::strerror(error)};
}

// The owner by name as well, since "uid 0" alone does not tell most people it is root's.
Failure foreign(const std::string &path, uid_t owner) {
    const passwd *entry = ::getpwuid(owner);
    const std::string name = entry && entry->pw_name ? std::string(", ") + entry->pw_name : "";
    return Failure{Problem::io, "The preference store " + path + " belongs to another user (uid " +
                                    std::to_string(owner) + name +
                                    "); nothing was changed. Only its owner may use it: move it "
                                    "away, or give it back with chown, to start writing again"};
}

// Opens directory/name as a directory. A link is followed only when it is the user's own, and
// then says so through `throughLink`: whatever it leads to is the user's choice, and its modes are
// left as they are. -1 with errno ENOENT when it does not exist; -2 when `refused` was filled in.
int openDirectory(int directory, const std::string &name, const std::string &path,
                  bool &throughLink, Status &refused) {
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    throughLink = false;
    int fd = ::openat(directory, name.c_str(), flags | O_NOFOLLOW);
    if (fd >= 0 || (errno != ELOOP && errno != ENOTDIR))
        return fd;
    const int error = errno;
    struct stat entry {};
    if (::fstatat(directory, name.c_str(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
        return -1;
    if (entry.st_uid != ::geteuid()) {
        refused = foreign(path, entry.st_uid);
        return -2;
    }
    if (!S_ISLNK(entry.st_mode)) {
        refused = ioFailure("Could not open", path, error);
        return -2;
    }
    fd = ::openat(directory, name.c_str(), flags);
    if (fd < 0) {
        refused = ioFailure("Could not open", path, errno);
        return -2;
    }
    throughLink = true;
    return fd;
}

Status makeFilesPrivate(int directory, const std::string &path) {
    DIR *listing = ::fdopendir(::dup(directory));
    if (!listing)
        return ioFailure("Could not list", path, errno);
    Status failed;
    while (const dirent *entry = ::readdir(listing)) {
        struct stat info {};
        const std::string name = entry->d_name;
        if (name == "." || name == ".." ||
            ::fstatat(directory, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (info.st_uid != ::geteuid()) {
            failed = foreign(path + "/" + name, info.st_uid);
            break;
        }
        if (!S_ISREG(info.st_mode) || (info.st_mode & 077) == 0)
            continue;
        const int fd =
            ::openat(directory, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat opened {};
        const bool same = fd >= 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
                          opened.st_uid == ::geteuid();
        if (same && ::fchmod(fd, 0600) != 0)
            failed = ioFailure("Could not make private", path + "/" + name, errno);
        if (fd >= 0)
            ::close(fd);
        if (failed)
            break;
    }
    ::closedir(listing);
    return failed;
}

// The directory first, so that nobody else can swap what is in it meanwhile. Reached through
// the user's own link, it is only checked: a change of mode would land on the link's target,
// which with root's rights and a kept HOME can be any folder of the system.
Status makeDirectoryPrivate(int fd, const std::string &path, bool throughLink) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return ioFailure("Could not inspect", path, errno);
    if (info.st_uid != ::geteuid())
        return foreign(path, info.st_uid);
    if (throughLink)
        return std::nullopt;
    if ((info.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0)
        return ioFailure("Could not make private", path, errno);
    return makeFilesPrivate(fd, path);
}

} // namespace

Status makeStorePrivate(const std::string &root) {
    const std::size_t slash = root.rfind('/');
    const std::string parent = slash == 0 ? "/" : root.substr(0, slash);
    const int parentFd = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (parentFd < 0)
        return std::nullopt; // nothing there yet: it is created private
    Status refused;
    bool rootLinked = false;
    const int rootFd = openDirectory(parentFd, root.substr(slash + 1), root, rootLinked, refused);
    ::close(parentFd);
    if (rootFd < 0)
        return rootFd == -2 ? refused : std::nullopt;
    refused = makeDirectoryPrivate(rootFd, root, rootLinked);
    if (!refused) {
        bool byHostLinked = false;
        const int byHost = openDirectory(rootFd, "ByHost", root + "/ByHost", byHostLinked, refused);
        if (byHost >= 0) {
            refused = makeDirectoryPrivate(byHost, root + "/ByHost", rootLinked || byHostLinked);
            ::close(byHost);
        }
    }
    ::close(rootFd);
    return refused;
}
