// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Failure ioFailure(const std::string &what, const std::string &path, int error) {
    return Failure{Problem::io, what + " " + path + ": " + std::strerror(error)};
}

std::string temporaryPrefix(const std::string &name) {
    return "." + name + ".tmp-";
}

Status writeAll(int fd, std::string_view bytes, const std::string &path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return ioFailure("Could not write", path, errno);
        bytes.remove_prefix(std::size_t(written));
    }
    return std::nullopt;
}

Status syncDirectory(const std::string &directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return ioFailure("Could not open", directory, errno);
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced)
        return ioFailure("Could not flush", directory, error);
    return std::nullopt;
}

// Writes and flushes the temporary file; the caller renames or removes it.
Status fillTemporary(int fd, std::string_view bytes, const std::string &path) {
    if (::fchmod(fd, 0600) != 0)
        return ioFailure("Could not set permissions on", path, errno);
    if (Status failed = writeAll(fd, bytes, path))
        return failed;
    if (::fsync(fd) != 0)
        return ioFailure("Could not flush", path, errno);
    return std::nullopt;
}

// Only for a directory just created: the umask may have narrowed its mode. Through a descriptor
// that refuses symlinks, so that a link swapped in meanwhile cannot redirect the change.
Status setPrivateMode(const std::string &directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return ioFailure("Could not open", directory, errno);
    const bool changed = ::fchmod(fd, 0700) == 0;
    const int error = errno;
    ::close(fd);
    if (!changed)
        return ioFailure("Could not set permissions on", directory, error);
    return std::nullopt;
}

} // namespace

Result<FileLock> FileLock::acquire(const std::string &path) {
    // Read-only is enough for flock, and keeps working with a lock file an older version left
    // without write permission. Non-blocking, so that a FIFO put there cannot stall the tool.
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return ioFailure("Could not open the lock file", path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Failure{Problem::io, "Could not lock " + path + ": it is not a regular file"};
    }
    // The umask may have narrowed the mode it was created with.
    if (info.st_uid == ::geteuid() && (info.st_mode & 07777) != 0600)
        ::fchmod(fd, 0600);
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            ::close(fd);
            return ioFailure("Could not lock", path, error);
        }
    }
    return FileLock(fd);
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

Status makePrivateDirectory(const std::string &directory) {
    for (std::size_t slash = directory.find('/', 1);; slash = directory.find('/', slash + 1)) {
        const std::string part = directory.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) == 0) {
            if (Status failed = setPrivateMode(part))
                return failed;
        } else if (errno != EEXIST) {
            return ioFailure("Could not create", part, errno);
        }
        struct stat info {};
        if (::stat(part.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            return Failure{Problem::io, "Could not create " + part + ": not a directory"};
        if (slash == std::string::npos)
            break;
    }
    return std::nullopt;
}

Status replaceFile(const std::string &directory, const std::string &name, std::string_view bytes) {
    std::string temporary = directory + "/" + temporaryPrefix(name) + "XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return ioFailure("Could not create a temporary file in", directory, errno);
    Status failed = fillTemporary(fd, bytes, temporary);
    if (::close(fd) != 0 && !failed)
        failed = ioFailure("Could not write", temporary, errno);
    const std::string target = directory + "/" + name;
    if (!failed && ::rename(temporary.c_str(), target.c_str()) != 0)
        failed = ioFailure("Could not replace", target, errno);
    if (failed) {
        ::unlink(temporary.c_str());
        return failed;
    }
    return syncDirectory(directory);
}

Status removeFile(const std::string &directory, const std::string &name) {
    const std::string target = directory + "/" + name;
    if (::unlink(target.c_str()) != 0)
        return ioFailure("Could not remove", target, errno);
    return syncDirectory(directory);
}

void removeStaleTemporaries(const std::string &directory, const std::string &name) {
    DIR *listing = ::opendir(directory.c_str());
    if (!listing)
        return;
    const std::string prefix = temporaryPrefix(name);
    while (const dirent *entry = ::readdir(listing)) {
        const std::string_view entryName = entry->d_name;
        if (entryName.starts_with(prefix) && entryName.size() == prefix.size() + 6)
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
    ::closedir(listing);
}
