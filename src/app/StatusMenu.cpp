// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/StatusMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>

namespace {
QString modeLabel(bool fnState) {
    return fnState ? QCoreApplication::translate("StatusMenu", "Current: Standard F1, F2, etc.")
                   : QCoreApplication::translate("StatusMenu",
                                                 "Current: Hardware Keys (brightness and volume)");
}

QString switchTitle(bool fnState) {
    return fnState ? QCoreApplication::translate("StatusMenu", "Switch to Hardware Keys")
                   : QCoreApplication::translate("StatusMenu", "Switch to Standard F1, F2, etc.");
}

const QString rememberName = QStringLiteral("remember");
const QString rememberHintName = QStringLiteral("rememberHint");

void showRemember(QAction &entry, QAction &hint, const StatusMenu::Remember &remember) {
    const bool known = remember.unavailable.isEmpty() && !remember.name.isEmpty();
    entry.setText(
        known ? QCoreApplication::translate("StatusMenu", "Remember for %1").arg(remember.name)
              : QCoreApplication::translate("StatusMenu", "Remember for This Application"));
    entry.setEnabled(known);
    entry.setChecked(known && remember.checked);
    // Some panels draw menus without tooltips, so the reason is a line of its own.
    hint.setText(remember.unavailable);
    hint.setVisible(!remember.unavailable.isEmpty());
}

// The keys the desktop bound the switch to, as a hint Qt can draw: X11 names Super where Qt
// says Meta. A description Qt cannot read as one key combination (some desktops answer with a
// sentence) gives no hint; the tooltip still names it.
QKeySequence switchHint(const QString &hotKey) {
    QString portable = hotKey;
    portable.replace(QStringLiteral("Super"), QStringLiteral("Meta"));
    const QKeySequence keys = QKeySequence::fromString(portable, QKeySequence::PortableText);
    return keys.count() == 1 && keys[0].key() != Qt::Key_unknown ? keys : QKeySequence();
}

void addEntry(QMenu &menu, const QString &title, const std::function<void()> &action,
              const QKeySequence &shortcut = {}) {
    QAction *entry = menu.addAction(title);
    QObject::connect(entry, &QAction::triggered, entry, [action] {
        if (action)
            action();
    });
    entry->setShortcut(shortcut);
    entry->setShortcutVisibleInContextMenu(!shortcut.isEmpty());
}
} // namespace

namespace StatusMenu {

std::unique_ptr<QMenu> buildMenu(bool fnState, const Actions &actions, const Remember &remember,
                                 const QString &hotKey) {
    auto menu = std::make_unique<QMenu>();
    QAction *label = menu->addAction(modeLabel(fnState));
    label->setEnabled(false);
    addEntry(*menu, switchTitle(fnState), actions.toggle, switchHint(hotKey));
    QAction *entry = menu->addAction(QString());
    entry->setObjectName(rememberName);
    entry->setCheckable(true);
    QObject::connect(entry, &QAction::triggered, entry, [action = actions.remember](bool checked) {
        if (action)
            action(checked);
    });
    QAction *hint = menu->addAction(QString());
    hint->setObjectName(rememberHintName);
    hint->setEnabled(false);
    showRemember(*entry, *hint, remember);
    menu->addSeparator();
    addEntry(*menu, QCoreApplication::translate("StatusMenu", "Settings…"), actions.settings);
    addEntry(*menu, QCoreApplication::translate("StatusMenu", "About Vantel…"), actions.about);
    menu->addSeparator();
    addEntry(*menu, QCoreApplication::translate("StatusMenu", "Quit"), actions.quit,
             QKeySequence(QKeySequence::Quit));
    return menu;
}

void updateMenuTitles(QMenu &menu, bool fnState) {
    const QList<QAction *> entries = menu.actions();
    if (!entries.isEmpty())
        entries[0]->setText(modeLabel(fnState));
    if (entries.size() > 1)
        entries[1]->setText(switchTitle(fnState));
}

void updateHotKey(QMenu &menu, const QString &hotKey) {
    const QList<QAction *> entries = menu.actions();
    if (entries.size() > 1) {
        entries[1]->setShortcut(switchHint(hotKey));
        entries[1]->setShortcutVisibleInContextMenu(!entries[1]->shortcut().isEmpty());
    }
}

void updateRememberEntry(QMenu &menu, const Remember &remember) {
    auto *entry = menu.findChild<QAction *>(rememberName);
    auto *hint = menu.findChild<QAction *>(rememberHintName);
    if (entry && hint)
        showRemember(*entry, *hint, remember);
}

} // namespace StatusMenu
