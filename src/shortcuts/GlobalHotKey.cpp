// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/GlobalHotKey.h"

#include "logging/LoggingCategories.h"
#include "shortcuts/GlobalShortcutBackend.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <utility>

namespace {

const QString toggleId = QStringLiteral("toggle");

} // namespace

GlobalHotKey::GlobalHotKey(GlobalShortcutBackend &backend, QObject *parent)
    : QObject(parent), backend_(backend) {
    connect(&backend_, &GlobalShortcutBackend::triggered, this, &GlobalHotKey::onTriggered);
    connect(&backend_, &GlobalShortcutBackend::grabFailed, this, &GlobalHotKey::onGrabFailed);
    connect(&backend_, &GlobalShortcutBackend::grabbed, this, &GlobalHotKey::onGrabbed);
}

GlobalHotKey::~GlobalHotKey() {
    unregisterHotKey();
}

void GlobalHotKey::registerHotKey(std::function<void()> action) {
    action_ = std::move(action);
    registered_ = true;
    QString error;
    // A grab under the same id replaces the earlier one, so a second registration never leaves
    // the combination free in between.
    if (!backend_.grabKey(toggleId,
                          QCoreApplication::translate("GlobalHotKey", "Switch the function keys"),
                          Qt::Key_F, Qt::MetaModifier | Qt::AltModifier, &error)) {
        qCInfo(lcHotKey).noquote() << "The hot key Super+Alt+F is not available:" << error;
        setShortcut({});
    }
}

void GlobalHotKey::unregisterHotKey() {
    if (!registered_) {
        return;
    }
    backend_.ungrabKey(toggleId);
    action_ = nullptr;
    registered_ = false;
    setShortcut({});
}

void GlobalHotKey::onTriggered(const QString &id) {
    if (id != toggleId) {
        return;
    }
    // A copy, because the action may end the registration it runs through.
    const std::function<void()> action = action_;
    if (action) {
        action();
    }
}

void GlobalHotKey::onGrabFailed(const QString &id, const QString &error) {
    if (id == toggleId && registered_) {
        qCInfo(lcHotKey).noquote() << "The hot key Super+Alt+F was taken away:" << error;
        setShortcut({});
    }
}

void GlobalHotKey::onGrabbed(const QString &id, const QString &trigger) {
    if (id == toggleId && registered_) {
        setShortcut(trigger);
    }
}

void GlobalHotKey::setShortcut(const QString &shortcut) {
    if (shortcut != shortcut_) {
        shortcut_ = shortcut;
        Q_EMIT shortcutChanged();
    }
}

bool GlobalHotKey::canConfigure() const {
    return backend_.canConfigure();
}

void GlobalHotKey::configure() {
    backend_.configure();
}
