// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "FakeSysfs.h"

#include <QDir>
#include <QFile>

FakeSysfs::FakeSysfs(const QString &parent)
    : dir_(parent.isEmpty() ? QString() : parent + QStringLiteral("/fake-sysfs-XXXXXX")) {}

const KeyboardDriver &FakeSysfs::row(const QString &driver) {
    for (const KeyboardDriver &candidate : keyboardDrivers())
        if (candidate.driver == driver)
            return candidate;
    qFatal("no row for %s", qPrintable(driver));
}

QString FakeSysfs::deviceFor(const QString &driver) {
    if (driver == QLatin1String("ideapad_laptop"))
        return QStringLiteral("VPC2004:00");
    if (driver == QLatin1String("hid-lenovo"))
        return QStringLiteral("0003:17EF:6047.0001");
    if (driver == QLatin1String("hid-appletb-kbd"))
        return QStringLiteral("0003:05AC:8302.0003");
    if (driver == QLatin1String("uniwill-laptop"))
        return QStringLiteral("INOU0000:00");
    return {};
}

QString FakeSysfs::addSwitch(const QString &driver, const QByteArray &value) {
    return addSwitch(driver, deviceFor(driver), value);
}

QString FakeSysfs::addSwitch(const QString &driver, const QString &device,
                             const QByteArray &value) {
    QStringList parts = row(driver).glob.split(QLatin1Char('/'));
    const QString attribute = parts.takeLast();
    for (QString &part : parts)
        if (part.contains(QLatin1Char('*')))
            part = device;
    QString real = parts.join(QLatin1Char('/'));
    // bus/*/devices/NAME and bus/*/drivers/DRIVER/NAME are links into devices/.
    const bool linked = parts.size() >= 4 && parts[0] == QLatin1String("bus") &&
                        parts.last() == device && !device.isEmpty();
    if (linked) {
        real = QStringLiteral("devices/fake/%1/%2").arg(parts[1], device);
        QDir(root()).mkpath(QStringList(parts.mid(0, parts.size() - 1)).join(QLatin1Char('/')));
        QFile::link(QStringLiteral("../").repeated(int(parts.size()) - 1) + real,
                    dir_.filePath(parts.join(QLatin1Char('/'))));
    }
    QDir(root()).mkpath(real);
    QFile file(dir_.filePath(real + QLatin1Char('/') + attribute));
    if (!file.open(QIODevice::WriteOnly) || file.write(value + '\n') < 0)
        qFatal("could not create %s", qPrintable(file.fileName()));
    return parts.join(QLatin1Char('/')) + QLatin1Char('/') + attribute;
}

QByteArray FakeSysfs::value(const QString &relative) const {
    QFile file(dir_.filePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll().trimmed();
}
