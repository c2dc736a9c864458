// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "desktop/DesktopEntryName.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>

namespace {
// The untranslated `Name` of the `[Desktop Entry]` group; empty when there is none.
QString entryName(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    // A desktop file is a few kilobytes; a bound keeps a huge one from stalling the menu.
    for (int line = 0; line < 1000 && !file.atEnd(); ++line) {
        const QString text = QString::fromUtf8(file.readLine(4096)).trimmed();
        if (text.startsWith(u'['))
            inEntry = text == u"[Desktop Entry]";
        else if (inEntry && text.startsWith(u"Name") && text.mid(4).trimmed().startsWith(u'='))
            return text.mid(text.indexOf(u'=') + 1).trimmed();
    }
    return {};
}
} // namespace

QString desktopEntryName(const QString &application) {
    if (application.isEmpty() || application.contains(u'/') || application.startsWith(u'.'))
        return application;
    // Window classes are often the id in another case ("Gimp-2.10" for "gimp-2.10").
    for (const QString &id : {application, application.toLower()}) {
        const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                                    id + QStringLiteral(".desktop"));
        if (path.isEmpty())
            continue;
        if (const QString name = entryName(path); !name.isEmpty())
            return name;
    }
    return application;
}
