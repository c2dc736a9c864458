// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shortcuts/GlobalShortcutBackend.h"

// Stands in where the session offers no way of getting a combination system-wide: every grab
// fails with an error, so the program runs on without its shortcut.
class NoShortcutBackend final : public GlobalShortcutBackend {
    Q_OBJECT
public:
    using GlobalShortcutBackend::GlobalShortcutBackend;

    bool grabKey(const QString &id, const QString &description, Qt::Key key,
                 Qt::KeyboardModifiers modifiers, QString *error) override;
    void ungrabKey(const QString &id) override;
};
