// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/SysfsTree.h"

#include "keyboard-service/Descriptor.h"
#include "logging/LoggingCategories.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <utility>

namespace {

bool hasWildcard(const QString &component) {
    return component.contains(QLatin1Char('*')) || component.contains(QLatin1Char('?'));
}

QString join(const QString &relative, const QString &name) {
    return relative.isEmpty() ? name : relative + QLatin1Char('/') + name;
}

QString failure(const QString &path, const QString &why) {
    return QStringLiteral("%1: %2").arg(path, why);
}

// Opens `relative` below `root` without ever leaving it, whatever is swapped in on the way:
// every component is resolved beneath the root's descriptor (links that lead above it, absolute
// links and /proc's magic links are refused), in one walk by the kernel. A FIFO or device found
// there would block or do worse, so only the kind asked for is kept: regular files (which sysfs
// attributes are) or directories.
int openBeneath(int root, const QString &relative, int flags) {
    open_how how{};
    how.flags = std::uint64_t(flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    const QByteArray path = relative.isEmpty() ? QByteArray(".") : QFile::encodeName(relative);
    int fd = -1;
    do {
        fd = int(::syscall(SYS_openat2, root, path.constData(), &how, sizeof how));
    } while (fd < 0 && (errno == EINTR || errno == EAGAIN));
    // A seccomp filter that cannot see inside open_how refuses the whole call (systemd's
    // RestrictSUIDSGID does): then no switch can be found at all, which must not pass for a
    // machine without keyboards.
    static bool toldRefused = false;
    if (fd < 0 && errno == ENOSYS && !std::exchange(toldRefused, true))
        qCWarning(lcKeyboard) << "cannot look into sysfs: openat2 is refused here (a seccomp "
                                 "filter or a kernel before 5.6)";
    const bool wantDirectory = flags & O_DIRECTORY;
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 ||
                    !(wantDirectory ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode)))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

// The names in an open directory matching a shell pattern, in a stable order.
QStringList matchingNames(int directory, const QByteArray &pattern) {
    const int listed = ::dup(directory);
    DIR *entries = listed < 0 ? nullptr : ::fdopendir(listed);
    if (!entries) {
        if (listed >= 0)
            ::close(listed);
        return {};
    }
    QStringList found;
    while (const dirent *entry = ::readdir(entries))
        if (::fnmatch(pattern.constData(), entry->d_name, FNM_PERIOD) == 0 &&
            std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            found.append(QFile::decodeName(entry->d_name));
    ::closedir(entries);
    found.sort();
    return found;
}

} // namespace

SysfsTree::SysfsTree(const QString &root)
    : root_(QDir::cleanPath(root)),
      rootDirectory_(new Descriptor{
          ::open(QFile::encodeName(root_).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)}) {}

QString SysfsTree::absolute(const QString &relative) const {
    return root_ + QLatin1Char('/') + relative;
}

int SysfsTree::open(const QString &relative, int flags) const {
    if (rootDirectory_->fd < 0) {
        errno = ENOENT;
        return -1;
    }
    return openBeneath(rootDirectory_->fd, relative, flags);
}

// Each directory is opened beneath the root, so a link leading out of it is never looked into;
// a literal last component is taken without following it, so that a broken link still shows.
QStringList SysfsTree::children(const QString &relative, const QString &component) const {
    const Descriptor directory{open(relative, O_RDONLY | O_DIRECTORY)};
    if (directory.fd < 0)
        return {};
    const QByteArray name = QFile::encodeName(component);
    if (hasWildcard(component))
        return matchingNames(directory.fd, name);
    struct stat info {};
    return ::fstatat(directory.fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
               ? QStringList{component}
               : QStringList{};
}

// Literal directories on the way are not looked at one by one: opening what lies below them
// beneath the root checks the whole way in one walk, and a way that fails is dropped there.
QStringList SysfsTree::match(const QString &pattern) const {
    const QStringList components = pattern.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QStringList current{QString()};
    for (qsizetype i = 0; i < components.size(); ++i) {
        const bool last = i + 1 == components.size();
        QStringList next;
        for (const QString &relative : current) {
            if (!last && !hasWildcard(components[i])) {
                next.append(join(relative, components[i]));
                continue;
            }
            for (const QString &name : children(relative, components[i]))
                next.append(join(relative, name));
        }
        current = next;
    }
    return components.isEmpty() ? QStringList{} : current;
}

std::optional<QByteArray> SysfsTree::read(const QString &relative, qsizetype maxSize) const {
    const Descriptor file{open(relative, O_RDONLY)};
    if (file.fd < 0)
        return std::nullopt;
    QByteArray buffer(maxSize + 1, Qt::Uninitialized);
    const ssize_t size = ::read(file.fd, buffer.data(), size_t(buffer.size()));
    if (size < 0 || size > maxSize)
        return std::nullopt;
    buffer.truncate(size);
    return buffer.trimmed();
}

int SysfsTree::openToWatch(const QString &relative) const {
    return open(relative, O_RDONLY);
}

std::optional<QString> SysfsTree::write(const QString &relative, const QByteArray &value) const {
    const QString shown = absolute(relative);
    // Never created: the attribute must already exist.
    const Descriptor file{open(relative, O_WRONLY)};
    if (file.fd < 0) {
        if (errno == ENOENT || errno == EXDEV || errno == ELOOP)
            return failure(
                shown,
                QStringLiteral("missing, or a link that leads nowhere or outside %1").arg(root_));
        return failure(shown, errno == EINVAL ? QStringLiteral("not a regular file")
                                              : QString::fromLocal8Bit(std::strerror(errno)));
    }
    // Truncated only once known to be a file: sysfs takes each write whole and ignores this,
    // a copy of the tree in plain files needs it.
    [[maybe_unused]] const int truncated = ::ftruncate(file.fd, 0);
    ssize_t written = -1;
    do {
        written = ::write(file.fd, value.constData(), size_t(value.size()));
    } while (written < 0 && errno == EINTR);
    if (written < 0)
        return failure(shown, QString::fromLocal8Bit(std::strerror(errno)));
    if (written != value.size())
        return failure(shown, QStringLiteral("short write"));
    return std::nullopt;
}
