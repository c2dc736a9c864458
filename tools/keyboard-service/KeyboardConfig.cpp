// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeyboardConfig.h"

#include "keyboard-service/Descriptor.h"
#include "logging/LoggingCategories.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
// A few lines of settings; anything larger is not this file.
constexpr qsizetype maxConfigSize = 64 * 1024;

struct WholeFile {
    bool absent = false;
    QByteArray text;
    QString failure; // empty when the file was read whole
};

QString because(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Opened without blocking, and read only when a regular file: a FIFO put in its place would
// otherwise hold up the service's start for ever. Only "nothing there at all" counts as absent;
// a link to nowhere names a file the administrator meant to have.
WholeFile readWhole(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    const Descriptor file{::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    struct stat info {};
    if (file.fd < 0) {
        const int error = errno;
        if (error == ENOENT && ::lstat(name.constData(), &info) != 0)
            return {true, {}, {}};
        return {false, {}, QStringLiteral("cannot be opened (%1)").arg(because(error))};
    }
    if (::fstat(file.fd, &info) != 0)
        return {false, {}, QStringLiteral("cannot be read (%1)").arg(because(errno))};
    if (!S_ISREG(info.st_mode))
        return {false, {}, QStringLiteral("is not a regular file")};
    WholeFile whole;
    char buffer[4096];
    while (whole.text.size() <= maxConfigSize) {
        const ssize_t size = ::read(file.fd, buffer, sizeof buffer);
        if (size < 0 && errno == EINTR)
            continue;
        if (size < 0)
            return {false, {}, QStringLiteral("cannot be read (%1)").arg(because(errno))};
        if (size == 0)
            return whole;
        whole.text.append(buffer, size);
    }
    return {false, {}, QStringLiteral("is larger than %1 KiB").arg(maxConfigSize / 1024)};
}

} // namespace

KeyboardConfig KeyboardConfig::read(const QString &path) {
    KeyboardConfig config;
    const WholeFile whole = readWhole(path);
    if (!whole.failure.isEmpty()) {
        config.unusable_ = QStringLiteral("%1 %2").arg(path, whole.failure);
        qCCritical(lcKeyboard).noquote()
            << *config.unusable_ << "- no keyboard is switched until it can be read";
        return config;
    }
    config.parse(whole.text);
    for (const QString &problem : config.problems_)
        qCWarning(lcKeyboard).noquote() << path << problem << "- ignored";
    return config;
}

void KeyboardConfig::parse(const QByteArray &text) {
    QString section;
    const QList<QByteArray> lines = text.split('\n');
    for (int number = 1; number <= lines.size(); ++number) {
        const QString line = QString::fromUtf8(lines.at(number - 1)).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            problems_.append(QStringLiteral("line %1: not KEY=VALUE").arg(number));
        else
            take(section, line.left(equals).trimmed(), line.mid(equals + 1).trimmed(), number);
    }
}

void KeyboardConfig::take(const QString &section, const QString &key, const QString &value,
                          int line) {
    const auto problem = [&](const QString &what) {
        problems_.append(QStringLiteral("line %1: %2").arg(line).arg(what));
    };
    if (section == QLatin1String("Invert")) {
        const bool known =
            std::any_of(keyboardDrivers().cbegin(), keyboardDrivers().cend(),
                        [&key](const KeyboardDriver &driver) { return driver.driver == key; });
        if (!known)
            problem(QStringLiteral("no driver named %1 in the table").arg(key.left(40)));
        else if (value == QLatin1String("true"))
            inverted_.insert(key, line);
        else if (value == QLatin1String("false"))
            inverted_.remove(key);
        else
            problem(QStringLiteral("%1 takes true or false").arg(key.left(40)));
    } else if (section == QLatin1String("Default") && key == QLatin1String("Mode")) {
        if (const std::optional<KeyboardMode> mode = requestedMode(value))
            defaultMode_ = mode;
        else
            problem(QStringLiteral("Mode takes function-keys or hardware-keys"));
    } else {
        problem(QStringLiteral("%1 is not a setting").arg(key.left(40)));
    }
}

QList<KeyboardDriver> KeyboardConfig::drivers() const {
    QList<KeyboardDriver> drivers;
    for (const KeyboardDriver &driver : keyboardDrivers())
        drivers.append(inverted_.contains(driver.driver) ? driver.inverted() : driver);
    return drivers;
}

std::optional<int> KeyboardConfig::invertedAt(const QString &driver) const {
    const auto found = inverted_.constFind(driver);
    return found == inverted_.cend() ? std::nullopt : std::optional(*found);
}
