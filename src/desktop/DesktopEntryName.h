// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The keys of a desktop file's `[Desktop Entry]` group that say how an application is shown.
struct DesktopEntry {
    QString name; // untranslated, as the file's `Name`
    QString icon; // a theme name or an absolute path
    bool noDisplay = false;
    bool hidden = false;
};

// The entry of the desktop file at `path`; none when it cannot be read or names nothing.
std::optional<DesktopEntry> readDesktopEntry(const QString &path);

// The name a user knows an application by: the `Name` of the desktop file whose id is
// `application` (as the desktop's menus show it), else `application` itself. Ids come from
// other programs' windows, so one that could leave the applications folders is never looked up.
QString desktopEntryName(const QString &application);
// The desktop file of `application` in the applications folders, by the same rules; empty when
// there is none.
QString desktopEntryPath(const QString &application);
