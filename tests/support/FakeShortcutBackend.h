// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shortcuts/GlobalShortcutBackend.h"
#include "support/Journal.h"

#include <QList>
#include <QString>

// A shortcut service in memory. It keeps what it was asked to hold, refuses grabs when told to
// (at once, or later as a desktop that takes a combination back), and "presses" combinations
// the way a real service would: only what is held fires, once per press.
class FakeShortcutBackend : public GlobalShortcutBackend {
public:
    struct Grab {
        QString id;
        QString description;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };

    // Grabs are noted as "grabKey" in `journal` when one is given.
    explicit FakeShortcutBackend(Journal *journal = nullptr) : journal_(journal) {}

    bool grabKey(const QString &id, const QString &description, Qt::Key key,
                 Qt::KeyboardModifiers modifiers, QString *error) override;
    void ungrabKey(const QString &id) override;

    // Grabs fail with `error` from now on; an empty error lets them succeed again.
    void refuseGrabs(const QString &error) { refusal_ = error; }
    // What a granted grab reports as its keys from now on; empty reports nothing, as a desktop
    // that answers later does.
    void nameGrabsAs(const QString &trigger) { trigger_ = trigger; }
    // Names the keys of what is held under `id`, as a desktop may do later or after a change.
    void name(const QString &id, const QString &trigger) { Q_EMIT grabbed(id, trigger); }
    // Takes the combination under `id` back, as a desktop may after granting it.
    void revoke(const QString &id, const QString &error);
    // One press of the combination; returns how many ids it fired (0 or 1).
    int press(Qt::Key key = Qt::Key_F,
              Qt::KeyboardModifiers modifiers = Qt::MetaModifier | Qt::AltModifier);

    const QList<Grab> &grabs() const { return grabs_; }
    int grabCalls() const { return grabCalls_; }
    int ungrabCalls() const { return ungrabCalls_; }

private:
    QList<Grab> grabs_;
    QString refusal_;
    QString trigger_ = QStringLiteral("Super+Alt+F");
    int grabCalls_ = 0;
    int ungrabCalls_ = 0;
    Journal *journal_ = nullptr;
};
