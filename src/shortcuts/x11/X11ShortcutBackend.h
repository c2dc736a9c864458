// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shortcuts/GlobalShortcutBackend.h"

#include <QAbstractNativeEventFilter>

#include <memory>

// Global shortcuts on an X11 display: passive key grabs on every root window over the
// application's own connection, with presses picked out of its event stream. The key is a key
// position, so a shortcut stays on the same key whatever the layout. Without an X11 connection
// every grab fails with an error.
class X11ShortcutBackend final : public GlobalShortcutBackend, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Takes the connection of the running QGuiApplication, so create it after that exists.
    explicit X11ShortcutBackend(QObject *parent = nullptr);
    ~X11ShortcutBackend() override;

    bool grabKey(const QString &id, const QString &description, Qt::Key key,
                 Qt::KeyboardModifiers modifiers, QString *error) override;
    void ungrabKey(const QString &id) override;

    // Takes the presses of our combinations and the errors of our own grab requests out of the
    // event stream; everything else passes on.
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    struct State;
    std::unique_ptr<State> d_;
};
