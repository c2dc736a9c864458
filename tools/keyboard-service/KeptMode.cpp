// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeptMode.h"

#include "keyboard-service/Descriptor.h"

#include "logging/LoggingCategories.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray fileName = "keyboard-mode";
const QByteArray lockName = ".keyboard-mode.lock";
const QByteArray temporaryPrefix = ".keyboard-mode.";
constexpr qsizetype maxFileSize = 64;

QString failure(const QString &what, const QString &path, int error) {
    return QStringLiteral("%1 %2: %3")
        .arg(what, path, QString::fromLocal8Bit(std::strerror(error)));
}

bool writeAll(int fd, const QByteArray &bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        done += written;
    }
    return true;
}

// A FIFO or device put in place of a file would block or do worse: only regular files count.
int openRegular(int directory, const char *name, int flags, mode_t mode = 0) {
    const int fd = ::openat(directory, name, flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

} // namespace

KeptMode::Lock::~Lock() {
    if (fd_ >= 0)
        ::close(fd_);
}

KeptMode::KeptMode(const QString &stateDirectory) : directory_(QDir::cleanPath(stateDirectory)) {}

QString KeptMode::path() const {
    return directory_ + QLatin1Char('/') + QString::fromLatin1(fileName);
}

// Made only when missing: it exists at every call but the first.
int KeptMode::openDirectory(bool create) const {
    const QByteArray path = QFile::encodeName(directory_);
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT || !create)
        return fd;
    if (!QDir().mkpath(directory_))
        return -1;
    return ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

std::optional<KeyboardMode> KeptMode::read() const {
    const Descriptor directory{openDirectory(false)};
    const Descriptor file{
        directory.fd < 0 ? -1 : openRegular(directory.fd, fileName.constData(), O_RDONLY)};
    if (file.fd < 0) {
        if (errno != ENOENT)
            qCWarning(lcKeyboard).noquote() << path() << "is not a file; treating it as none kept";
        return std::nullopt;
    }
    char buffer[maxFileSize + 1];
    const ssize_t size = ::read(file.fd, buffer, sizeof buffer);
    const std::optional<KeyboardMode> mode =
        size > 0 && size <= maxFileSize
            ? requestedMode(QString::fromUtf8(QByteArray(buffer, size).trimmed()))
            : std::nullopt;
    if (!mode)
        qCWarning(lcKeyboard).noquote() << path() << "holds no mode; treating it as none kept";
    return mode;
}

std::optional<QString> KeptMode::write(KeyboardMode mode) const {
    const Descriptor directory{openDirectory(true)};
    if (directory.fd < 0)
        return failure(QStringLiteral("Could not open"), directory_, errno);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary =
            temporaryPrefix + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(directory.fd, temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return failure(QStringLiteral("Could not create a temporary file in"), directory_, errno);
    // Readable by all: the mode is no secret, and tools may show it without asking the service.
    // No fsync here: the rename alone is atomic for everyone reading and survives the death of
    // this process, since the kernel holds what was written. Only a power cut before flush()
    // can lose the change, and then at worst this last one (ext4 and btrfs write a renamed-over
    // file's data before the rename; elsewhere the file may come back empty, which reads as
    // nothing kept until the next change). Two fsyncs were most of what a switch cost.
    const bool filled = ::fchmod(fd, 0644) == 0 && writeAll(fd, modeName(mode).toUtf8() + '\n');
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    std::optional<QString> failed;
    const QString shown = directory_ + QLatin1Char('/') + QString::fromLatin1(temporary);
    if (!filled || !closed)
        failed = failure(QStringLiteral("Could not write"), shown, filled ? errno : error);
    else if (::renameat(directory.fd, temporary.constData(), directory.fd, fileName.constData()) !=
             0)
        failed = failure(QStringLiteral("Could not replace"), path(), errno);
    if (failed)
        ::unlinkat(directory.fd, temporary.constData(), 0);
    return failed;
}

std::optional<QString> KeptMode::flush() const {
    const Descriptor directory{openDirectory(false)};
    if (directory.fd < 0)
        return failure(QStringLiteral("Could not open"), directory_, errno);
    const Descriptor file{openRegular(directory.fd, fileName.constData(), O_RDONLY)};
    if ((file.fd >= 0 && ::fsync(file.fd) != 0) || ::fsync(directory.fd) != 0)
        return failure(QStringLiteral("Could not flush"), directory_, errno);
    return std::nullopt;
}

KeptMode::Lock KeptMode::lock() const {
    const Descriptor directory{openDirectory(true)};
    if (directory.fd < 0)
        return Lock(-1, failure(QStringLiteral("Could not open"), directory_, errno));
    const int fd = openRegular(directory.fd, lockName.constData(), O_RDONLY | O_CREAT, 0600);
    const QString shown = directory_ + QLatin1Char('/') + QString::fromLatin1(lockName);
    if (fd < 0)
        return Lock(-1, failure(QStringLiteral("Could not open"), shown, errno));
    int locked = -1;
    do {
        locked = ::flock(fd, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const int error = errno;
        ::close(fd);
        return Lock(-1, failure(QStringLiteral("Could not lock"), shown, error));
    }
    removeLeftovers(directory.fd);
    return Lock(fd, QString());
}

void KeptMode::removeLeftovers(int directory) const {
    const int listed = ::dup(directory);
    DIR *entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!entries) {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith(temporaryPrefix) && name != lockName)
            ::unlinkat(directory, entry->d_name, 0);
    }
    ::closedir(entries);
}
