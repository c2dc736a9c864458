// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "desktop/DesktopEntryName.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace {
bool isTrue(const QString &value) {
    return value == u"true";
}
} // namespace

std::optional<DesktopEntry> readDesktopEntry(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    DesktopEntry entry;
    bool inEntry = false;
    // A desktop file is a few kilobytes; a bound keeps a huge one from stalling the menu.
    for (int line = 0; line < 1000 && !file.atEnd(); ++line) {
        const QString text = QString::fromUtf8(file.readLine(4096)).trimmed();
        if (text.startsWith(u'[')) {
            inEntry = text == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = text.indexOf(u'=');
        if (!inEntry || equals <= 0 || text.startsWith(u'#'))
            continue;
        // Localised keys (`Name[de]`) keep their bracket and so match none of these.
        const QString key = text.left(equals).trimmed();
        const QString value = text.mid(equals + 1).trimmed();
        if (key == u"Name" && entry.name.isEmpty())
            entry.name = value;
        else if (key == u"Icon")
            entry.icon = value;
        else if (key == u"NoDisplay")
            entry.noDisplay = isTrue(value);
        else if (key == u"Hidden")
            entry.hidden = isTrue(value);
    }
    if (entry.name.isEmpty())
        return std::nullopt;
    return entry;
}

QString desktopEntryPath(const QString &application) {
    if (application.isEmpty() || application.contains(u'/') || application.startsWith(u'.'))
        return {};
    // Window classes are often the id in another case ("Gimp-2.10" for "gimp-2.10").
    for (const QString &id : {application, application.toLower()}) {
        const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                                    id + QStringLiteral(".desktop"));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QString desktopEntryName(const QString &application) {
    const QString path = desktopEntryPath(application);
    if (path.isEmpty())
        return application;
    const std::optional<DesktopEntry> entry = readDesktopEntry(path);
    return entry ? entry->name : application;
}
