// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

// An application as the desktop's menus show it.
struct InstalledApplication {
    QString id;   // the desktop file's name without `.desktop`, as the rules key it
    QString name; // the id itself where no desktop file names it
    QString icon; // a theme name or a path; empty when unknown
};

// Every application the desktop's menus list, from the applications folders in their order of
// precedence (the user's first), sorted by name. A file in a folder of higher precedence hides
// the same id further down, also when it is hidden itself; NoDisplay and Hidden entries are
// left out.
QList<InstalledApplication> installedApplications();

// How the rule of `id` is shown: its desktop file's name and icon, else the id alone.
InstalledApplication describeApplication(const QString &id);

// The applications among `applications` whose name or id contains `text`, ignoring case.
QList<InstalledApplication> matchingApplications(const QList<InstalledApplication> &applications,
                                                 const QString &text);
