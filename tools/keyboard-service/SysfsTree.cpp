#include "keyboard-service/SysfsTree.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
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
    const std::optional<QString> real = resolve(relative);
    if (!real)
        return std::nullopt;
    const int fd = ::open(QFile::encodeName(*real).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
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

std::optional<QString> SysfsTree::write(const QString &relative, const QByteArray &value) const {
    const QString shown = absolute(relative);
    const std::optional<QString> real = resolve(relative);
    if (!real)
        return failure(
            shown,
            QStringLiteral("missing, or a link that leads nowhere or outside %1").arg(root_));
    // Never created, never followed: the entry must already be the attribute itself.
    const int fd = ::open(QFile::encodeName(*real).constData(),
                          O_WRONLY | O_TRUNC | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure(shown, QString::fromLocal8Bit(std::strerror(errno)));
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
