// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/wlroots/FrontApplication.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>

std::optional<QString> frontApplication(const std::vector<ToplevelState> &toplevels,
                                        const QString &ownAppId, const QString &current) {
    bool ownActive = false;
    std::optional<QString> first;
    for (const ToplevelState &toplevel : toplevels) {
        if (!toplevel.activated)
            continue;
        if (toplevel.appId == ownAppId) {
            ownActive = true;
            continue;
        }
        if (toplevel.appId == current)
            return current;
        if (!first)
            first = toplevel.appId;
    }
    if (first)
        return first;
    if (ownActive)
        return std::nullopt;
    return QString();
}

QString ownAppId(const QString &desktopFileName, const QString &executablePath,
                 const QString &organizationDomain) {
    // Qt names a window after the desktop file when the program gives one; otherwise after the
    // executable, behind the organisation's domain turned around.
    if (!desktopFileName.isEmpty()) {
        QString name = desktopFileName;
        if (name.endsWith(QLatin1String(".desktop")))
            name.chop(8);
        return name;
    }
    QStringList parts = organizationDomain.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    std::reverse(parts.begin(), parts.end());
    parts.append(QFileInfo(executablePath).baseName());
    return parts.join(QLatin1Char('.'));
}
