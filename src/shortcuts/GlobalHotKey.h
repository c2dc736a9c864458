// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class GlobalShortcutBackend;

// The program's one global hot key, Super+Alt+F: every press runs the registered action on the
// main thread, once, however long the key is held. A hot key that cannot be had is logged under
// vantel.hotkey and otherwise changes nothing: the program runs on without it.
class GlobalHotKey : public QObject {
    Q_OBJECT
public:
    // `backend` must outlive the hot key.
    explicit GlobalHotKey(GlobalShortcutBackend &backend, QObject *parent = nullptr);
    // Releases the combination, so that it never outlives the program.
    ~GlobalHotKey() override;

    GlobalHotKey(const GlobalHotKey &) = delete;
    GlobalHotKey &operator=(const GlobalHotKey &) = delete;

    // Grabs the combination for `action`, replacing any earlier action; at most one registration
    // exists at a time.
    void registerHotKey(std::function<void()> action);
    // Releases the combination and drops the action with what it captured; harmless when
    // nothing is registered.
    void unregisterHotKey();

    // The keys that fire the action as the desktop names them ("Super+Alt+F"); empty while none
    // are held, or when the desktop holds the shortcut without naming its keys.
    QString shortcut() const { return shortcut_; }
    // Whether the desktop can show its own dialog to change the keys, and opens it.
    bool canConfigure() const;
    void configure();

Q_SIGNALS:
    void shortcutChanged();

private:
    void onTriggered(const QString &id);
    void onGrabFailed(const QString &id, const QString &error);
    void onGrabbed(const QString &id, const QString &trigger);
    void setShortcut(const QString &shortcut);

    GlobalShortcutBackend &backend_;
    std::function<void()> action_;
    bool registered_ = false;
    QString shortcut_;
};
