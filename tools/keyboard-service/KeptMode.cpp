#include "keyboard-service/KeptMode.h"

#include "logging/LoggingCategories.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString fileName = QStringLiteral("keyboard-mode");
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

std::optional<QString> syncDirectory(const QString &directory) {
    const int fd =
        ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return failure(QStringLiteral("Could not open"), directory, errno);
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    return synced ? std::nullopt
                  : std::optional(failure(QStringLiteral("Could not flush"), directory, error));
}

} // namespace

KeptMode::KeptMode(const QString &stateDirectory) : directory_(QDir::cleanPath(stateDirectory)) {}

QString KeptMode::path() const {
    return directory_ + QLatin1Char('/') + fileName;
}

std::optional<KeyboardMode> KeptMode::read() const {
    const int fd = ::open(QFile::encodeName(path()).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    char buffer[maxFileSize + 1];
    const ssize_t size = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    const std::optional<KeyboardMode> mode =
        size > 0 && size <= maxFileSize
            ? requestedMode(QString::fromUtf8(QByteArray(buffer, size).trimmed()))
            : std::nullopt;
    if (!mode)
        qCWarning(lcKeyboard).noquote() << path() << "holds no mode; treating it as none kept";
    return mode;
}

std::optional<QString> KeptMode::write(KeyboardMode mode) const {
    if (!QDir().mkpath(directory_))
        return QStringLiteral("Could not create %1").arg(directory_);
    QByteArray temporary =
        QFile::encodeName(directory_ + QStringLiteral("/.") + fileName + ".XXXXXX");
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return failure(QStringLiteral("Could not create a temporary file in"), directory_, errno);
    // Readable by all: the mode is no secret, and tools may show it without asking the service.
    const bool filled =
        ::fchmod(fd, 0644) == 0 && writeAll(fd, modeName(mode).toUtf8() + '\n') && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    std::optional<QString> failed;
    if (!filled || !closed)
        failed = failure(QStringLiteral("Could not write"), QFile::decodeName(temporary),
                         filled ? errno : error);
    else if (::rename(temporary.constData(), QFile::encodeName(path()).constData()) != 0)
        failed = failure(QStringLiteral("Could not replace"), path(), errno);
    if (failed) {
        ::unlink(temporary.constData());
        return failed;
    }
    return syncDirectory(directory_);
}
