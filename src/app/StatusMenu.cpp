#include "app/StatusMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace {
QString modeLabel(bool fnState) {
    return QStringLiteral("Current: ") +
           (fnState ? QStringLiteral("Standard F1, F2, etc.")
                    : QStringLiteral("Hardware Keys (brightness and volume)"));
}

QString switchTitle(bool fnState) {
    return fnState ? QStringLiteral("Switch to Hardware Keys")
                   : QStringLiteral("Switch to Standard F1, F2, etc.");
}

const QString rememberName = QStringLiteral("remember");
const QString rememberHintName = QStringLiteral("rememberHint");

void showRemember(QAction &entry, QAction &hint, const StatusMenu::Remember &remember) {
    const bool known = remember.unavailable.isEmpty() && !remember.name.isEmpty();
    entry.setText(QStringLiteral("Remember for ") +
                  (known ? remember.name : QStringLiteral("This Application")));
    entry.setEnabled(known);
    entry.setChecked(known && remember.checked);
    // Some panels draw menus without tooltips, so the reason is a line of its own.
    hint.setText(remember.unavailable);
    hint.setVisible(!remember.unavailable.isEmpty());
}

// Command is Super (Meta) and Option is Alt: the same keys as the global hot key.
const QKeySequence switchShortcut(Qt::META | Qt::ALT | Qt::Key_F);
const QKeySequence quitShortcut(Qt::META | Qt::Key_Q);

void addEntry(QMenu &menu, const QString &title, const std::function<void()> &action,
              const QKeySequence &shortcut = {}) {
    QAction *entry = menu.addAction(title);
    QObject::connect(entry, &QAction::triggered, entry, [action] {
        if (action)
            action();
    });
    if (!shortcut.isEmpty()) {
        entry->setShortcut(shortcut);
        entry->setShortcutVisibleInContextMenu(true);
    }
}
} // namespace

namespace StatusMenu {

std::unique_ptr<QMenu> buildMenu(bool fnState, const Actions &actions, const Remember &remember) {
    auto menu = std::make_unique<QMenu>();
    QAction *label = menu->addAction(modeLabel(fnState));
    label->setEnabled(false);
    addEntry(*menu, switchTitle(fnState), actions.toggle, switchShortcut);
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
    addEntry(*menu, QStringLiteral("About Vantel…"), actions.about);
    menu->addSeparator();
    addEntry(*menu, QStringLiteral("Quit"), actions.quit, quitShortcut);
    return menu;
}

void updateMenuTitles(QMenu &menu, bool fnState) {
    const QList<QAction *> entries = menu.actions();
    if (!entries.isEmpty())
        entries[0]->setText(modeLabel(fnState));
    if (entries.size() > 1)
        entries[1]->setText(switchTitle(fnState));
}

void updateRememberEntry(QMenu &menu, const Remember &remember) {
    auto *entry = menu.findChild<QAction *>(rememberName);
    auto *hint = menu.findChild<QAction *>(rememberHintName);
    if (entry && hint)
        showRemember(*entry, *hint, remember);
}

} // namespace StatusMenu
