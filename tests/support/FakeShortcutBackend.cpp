// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "support/FakeShortcutBackend.h"

bool FakeShortcutBackend::grabKey(const QString &id, const QString &description, Qt::Key key,
                                  Qt::KeyboardModifiers modifiers, QString *error) {
    ++grabCalls_;
    note(journal_, "grabKey");
    if (!refusal_.isEmpty()) {
        if (error != nullptr) {
            *error = refusal_;
        }
        return false;
    }
    for (const Grab &grab : grabs_) {
        if (grab.id != id && grab.key == key && grab.modifiers == modifiers) {
            if (error != nullptr) {
                *error = QStringLiteral("already in use");
            }
            return false;
        }
    }
    grabs_.removeIf([&](const Grab &grab) { return grab.id == id; });
    grabs_.append({id, description, key, modifiers});
    if (!trigger_.isEmpty()) {
        Q_EMIT grabbed(id, trigger_);
    }
    return true;
}

void FakeShortcutBackend::ungrabKey(const QString &id) {
    ++ungrabCalls_;
    grabs_.removeIf([&](const Grab &grab) { return grab.id == id; });
}

void FakeShortcutBackend::revoke(const QString &id, const QString &error) {
    if (grabs_.removeIf([&](const Grab &grab) { return grab.id == id; }) > 0) {
        Q_EMIT grabFailed(id, error);
    }
}

int FakeShortcutBackend::press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    for (const Grab &grab : grabs_) {
        if (grab.key == key && grab.modifiers == modifiers) {
            const QString id = grab.id;
            Q_EMIT triggered(id);
            return 1;
        }
    }
    return 0;
}
