// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The name a user knows an application by: the `Name` of the desktop file whose id is
// `application` (as the desktop's menus show it), else `application` itself. Ids come from
// other programs' windows, so one that could leave the applications folders is never looked up.
QString desktopEntryName(const QString &application);
