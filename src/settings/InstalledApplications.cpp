// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/InstalledApplications.h"

#include "desktop/DesktopEntryName.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

QList<InstalledApplication> installedApplications() {
    QList<InstalledApplication> found;
    QSet<QString> seen;
    for (const QString &folder :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        const QDir root(folder);
        QDirIterator files(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            // A file in a subfolder is known by its relative path with dashes for slashes.
            QString id = root.relativeFilePath(path);
            id.chop(int(qstrlen(".desktop")));
            id.replace(u'/', u'-');
            if (seen.contains(id))
                continue;
            seen.insert(id);
            const std::optional<DesktopEntry> entry = readDesktopEntry(path);
            if (entry && !entry->noDisplay && !entry->hidden)
                found.append({id, entry->name, entry->icon});
        }
    }
    std::sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        const int order = a.name.localeAwareCompare(b.name);
        return order != 0 ? order < 0 : a.id < b.id;
    });
    return found;
}

InstalledApplication describeApplication(const QString &id) {
    const QString path = desktopEntryPath(id);
    if (const std::optional<DesktopEntry> entry =
            path.isEmpty() ? std::nullopt : readDesktopEntry(path))
        return {id, entry->name, entry->icon};
    return {id, id, {}};
}

QList<InstalledApplication> matchingApplications(const QList<InstalledApplication> &applications,
                                                 const QString &text) {
    const QString wanted = text.trimmed();
    QList<InstalledApplication> matches;
    for (const InstalledApplication &application : applications) {
        if (application.name.contains(wanted, Qt::CaseInsensitive) ||
            application.id.contains(wanted, Qt::CaseInsensitive))
            matches.append(application);
    }
    return matches;
}
