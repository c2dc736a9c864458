// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// One way of getting a key combination system-wide: an X11 key grab, the desktop portal's
// global shortcuts, or nothing at all. Chosen once at start-up and handed to whoever needs it.
// Every call happens on the main thread, and every signal is emitted there.
class GlobalShortcutBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~GlobalShortcutBackend() override = default;

    // Asks for `key` with `modifiers` under `id`, described to the user as `description` where
    // the desktop shows shortcuts in its settings. Returns false and fills `error` when the
    // combination cannot be had now; a backend that has to wait for the desktop's answer returns
    // true and reports a later refusal through grabFailed(). A second grab under the same id
    // replaces the first.
    virtual bool grabKey(const QString &id, const QString &description, Qt::Key key,
                         Qt::KeyboardModifiers modifiers, QString *error) = 0;
    // Gives the combination under `id` back to the desktop; harmless when nothing is held. Must
    // be called before exit: a grab left behind can outlive the process on some desktops.
    virtual void ungrabKey(const QString &id) = 0;
    // Whether the desktop offers a dialog of its own where the user rebinds the held shortcuts.
    virtual bool canConfigure() const { return false; }
    // Opens that dialog; harmless where there is none.
    virtual void configure() {}

Q_SIGNALS:
    // Once per press of the combination held under `id`; a key held down is one press.
    void triggered(const QString &id);
    // The combination under `id` is held, and this is how the user knows it ("Super+Alt+F", or
    // whatever the desktop says it bound; empty when the desktop keeps the shortcut without a
    // key). Sent again when the desktop changes it.
    void grabbed(const QString &id, const QString &trigger);
    // The desktop refused, or stopped honouring, the combination under `id` after grabKey
    // returned true.
    void grabFailed(const QString &id, const QString &error);
};
