// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Result.h"

#include <string>
#include <string_view>

// An exclusive flock on a separate lock file, held for as long as the object lives. The lock
// file itself is never removed: removing it would let two writers lock different files.
class FileLock {
public:
    static Result<FileLock> acquire(const std::string &path);
    FileLock(FileLock &&other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileLock &operator=(FileLock &&) = delete;
    ~FileLock();

private:
    explicit FileLock(int fd) : fd_(fd) {}
    int fd_;
};

// Creates `directory` and any missing parents with mode 0700 whatever the umask. Directories
// that already exist keep their mode: they are the user's.
Status makePrivateDirectory(const std::string &directory);

// Replaces directory/name with `bytes` so that a crash at any instant leaves the old file or the
// new one: a temporary file in the same directory, created exclusively, flushed, renamed over
// the old one, and the directory flushed. On failure the old file is untouched.
Status replaceFile(const std::string &directory, const std::string &name, std::string_view bytes);

// Removes directory/name and flushes the directory.
Status removeFile(const std::string &directory, const std::string &name);

// Deletes temporary files that killed writers left for directory/name. Only safe while holding
// the file's lock, since only a lock holder creates them.
void removeStaleTemporaries(const std::string &directory, const std::string &name);
