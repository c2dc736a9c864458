// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/none/NoShortcutBackend.h"

bool NoShortcutBackend::grabKey(const QString &, const QString &, Qt::Key, Qt::KeyboardModifiers,
                                QString *error) {
    if (error != nullptr) {
        *error = QStringLiteral("no global shortcut service in this session; bind "
                                "\"vantel --toggle\" to a key in the desktop's settings");
    }
    return false;
}

void NoShortcutBackend::ungrabKey(const QString &) {}
