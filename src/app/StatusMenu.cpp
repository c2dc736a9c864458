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

std::unique_ptr<QMenu> buildMenu(bool fnState, const Actions &actions) {
    auto menu = std::make_unique<QMenu>();
    QAction *label = menu->addAction(modeLabel(fnState));
    label->setEnabled(false);
    addEntry(*menu, switchTitle(fnState), actions.toggle, switchShortcut);
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

} // namespace StatusMenu
