#include "keyboard-service/SysfsTree.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fnmatch.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

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
// every component is resolved beneath the root's descriptor, and /proc's magic links are
// refused. A FIFO or device found there would block or do worse, so only regular files (which
// sysfs attributes are) are kept.
int openBeneath(const QString &root, const QString &relative, int flags) {
    const int directory =
        ::open(QFile::encodeName(root).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0)
        return -1;
    open_how how{};
    how.flags = std::uint64_t(flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    const QByteArray path = QFile::encodeName(relative);
    int fd = -1;
    do {
        fd = int(::syscall(SYS_openat2, directory, path.constData(), &how, sizeof how));
    } while (fd < 0 && (errno == EINTR || errno == EAGAIN));
    const int error = errno;
    ::close(directory);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    if (fd < 0)
        errno = error;
    return fd;
}

} // namespace

SysfsTree::SysfsTree(const QString &root)
    : root_(QDir::cleanPath(root)), canonicalRoot_(QFileInfo(root).canonicalFilePath()) {}

QString SysfsTree::absolute(const QString &relative) const {
    return root_ + QLatin1Char('/') + relative;
}

std::optional<QString> SysfsTree::resolve(const QString &relative) const {
    if (canonicalRoot_.isEmpty())
        return std::nullopt;
    const QString real = QFileInfo(absolute(relative)).canonicalFilePath();
    if (real.isEmpty())
        return std::nullopt;
    if (real != canonicalRoot_ && !real.startsWith(canonicalRoot_ + QLatin1Char('/')))
        return std::nullopt;
    return real;
}

QStringList SysfsTree::children(const QString &relative, const QString &component) const {
    if (!hasWildcard(component)) {
        struct stat info {};
        const QByteArray path = QFile::encodeName(absolute(join(relative, component)));
        return ::lstat(path.constData(), &info) == 0 ? QStringList{component} : QStringList{};
    }
    const std::optional<QString> directory =
        relative.isEmpty() ? canonicalRoot_ : resolve(relative);
    if (!directory || directory->isEmpty())
        return {};
    QStringList found;
    const QByteArray pattern = component.toUtf8();
    const QDir::Filters all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    for (const QString &name : QDir(*directory).entryList(all, QDir::Name))
        if (::fnmatch(pattern.constData(), name.toUtf8().constData(), FNM_PERIOD) == 0)
            found.append(name);
    return found;
}

QStringList SysfsTree::match(const QString &pattern) const {
    const QStringList components = pattern.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QStringList current{QString()};
    for (qsizetype i = 0; i < components.size(); ++i) {
        const bool last = i + 1 == components.size();
        QStringList next;
        for (const QString &relative : current) {
            // A directory reached through a link that leaves the root is not looked into.
            if (!relative.isEmpty() && !resolve(relative))
                continue;
            for (const QString &name : children(relative, components[i])) {
                const QString candidate = join(relative, name);
                if (last || QFileInfo(absolute(candidate)).isDir())
                    next.append(candidate);
            }
        }
        current = next;
    }
    return components.isEmpty() ? QStringList{} : current;
}

std::optional<QByteArray> SysfsTree::read(const QString &relative, qsizetype maxSize) const {
    if (!resolve(relative))
        return std::nullopt;
    const int fd = openBeneath(root_, relative, O_RDONLY);
    if (fd < 0)
        return std::nullopt;
    QByteArray buffer(maxSize + 1, Qt::Uninitialized);
    const ssize_t size = ::read(fd, buffer.data(), size_t(buffer.size()));
    ::close(fd);
    if (size < 0 || size > maxSize)
        return std::nullopt;
    buffer.truncate(size);
    return buffer.trimmed();
}

int SysfsTree::openToWatch(const QString &relative) const {
    if (!resolve(relative)) {
        errno = ENOENT;
        return -1;
    }
    return openBeneath(root_, relative, O_RDONLY);
}

std::optional<QString> SysfsTree::write(const QString &relative, const QByteArray &value) const {
    const QString shown = absolute(relative);
    const std::optional<QString> real = resolve(relative);
    if (!real)
        return failure(
            shown,
            QStringLiteral("missing, or a link that leads nowhere or outside %1").arg(root_));
    // Never created: the attribute must already exist.
    const int fd = openBeneath(root_, relative, O_WRONLY);
    if (fd < 0)
        return failure(shown, errno == EINVAL ? QStringLiteral("not a regular file")
                                              : QString::fromLocal8Bit(std::strerror(errno)));
    // Truncated only once known to be a file: sysfs takes each write whole and ignores this,
    // a copy of the tree in plain files needs it.
    [[maybe_unused]] const int truncated = ::ftruncate(fd, 0);
    ssize_t written = -1;
    do {
        written = ::write(fd, value.constData(), size_t(value.size()));
    } while (written < 0 && errno == EINTR);
    const int error = errno;
    ::close(fd);
    if (written < 0)
        return failure(shown, QString::fromLocal8Bit(std::strerror(error)));
    if (written != value.size())
        return failure(shown, QStringLiteral("short write"));
    return std::nullopt;
}
