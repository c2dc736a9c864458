#pragma once

#include "platform/GlobalShortcutBackend.h"
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
    int grabCalls_ = 0;
    int ungrabCalls_ = 0;
    Journal *journal_ = nullptr;
};
