#include "keyboard-service/KeyboardConfig.h"

#include "logging/LoggingCategories.h"

#include <QFile>

#include <algorithm>

namespace {
// A few lines of settings; anything larger is not this file.
constexpr qint64 maxConfigSize = 64 * 1024;
} // namespace

KeyboardConfig KeyboardConfig::read(const QString &path) {
    KeyboardConfig config;
    QFile file(path);
    if (!file.exists())
        return config;
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxConfigSize) {
        config.problems_.append(QStringLiteral("%1: cannot be read").arg(path));
    } else {
        QString section;
        const QList<QByteArray> lines = file.readAll().split('\n');
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
                config.problems_.append(QStringLiteral("line %1: not KEY=VALUE").arg(number));
            else
                config.take(section, line.left(equals).trimmed(), line.mid(equals + 1).trimmed(),
                            number);
        }
    }
    for (const QString &problem : config.problems_)
        qCWarning(lcKeyboard).noquote() << path << problem;
    return config;
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
            inverted_.insert(key);
        else if (value == QLatin1String("false"))
            inverted_.remove(key);
        else
            problem(QStringLiteral("%1 takes true or false").arg(key.left(40)));
    } else if (section == QLatin1String("Default") && key == QLatin1String("Mode")) {
        defaultMode_ = requestedMode(value);
        if (!defaultMode_)
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
