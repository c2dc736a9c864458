#include "AppDelegate.h"

#include "Application.h"
#include "IconState.h"
#include "StatusBar.h"
#include "StatusButton.h"

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

QAction *addEntry(QMenu &menu, const QString &title, AppDelegate::Action action,
                  AppDelegate *target, const QKeySequence &shortcut = {}) {
    QAction *entry = menu.addAction(title);
    QObject::connect(entry, &QAction::triggered, target, action);
    if (!shortcut.isEmpty()) {
        entry->setShortcut(shortcut);
        entry->setShortcutVisibleInContextMenu(true);
    }
    return entry;
}
} // namespace

void AppDelegate::setupStatusItem() {
    statusItem = services_.statusBar.makeStatusItem();
    // The item dies with the delegate, so its action never outlives `this`.
    statusItem->setAction([this] { statusItemClicked(); });
    if (StatusButton *statusButton = button()) {
        icons.show(steadyState(toggler.readFnState()), statusButton);
        refreshTooltip();
    }
}

void AppDelegate::statusItemClicked() {
    const std::optional<InputEvent> event = services_.application.currentEvent();
    if (!event) {
        toggleAction();
        return;
    }
    if (event->type != InputEvent::Type::rightMouseUp && !event->controlHeld) {
        toggleAction();
        return;
    }
    std::unique_ptr<QMenu> menu = buildMenu(toggler.readFnState(), &AppDelegate::toggleAction,
                                            &AppDelegate::showAbout, &AppDelegate::quit, this);
    // Read again so that the titles show the preference at the last moment before display.
    updateMenuTitles(*menu, toggler.readFnState());
    if (StatusButton *statusButton = button())
        statusItem->popUpMenu(std::move(menu), QPoint(0, statusButton->bounds().height() + 3));
}

std::unique_ptr<QMenu> AppDelegate::buildMenu(bool fnState, Action toggle, Action about,
                                              Action quit, AppDelegate *target) {
    auto menu = std::make_unique<QMenu>();
    QAction *label = menu->addAction(modeLabel(fnState));
    label->setEnabled(false);
    addEntry(*menu, switchTitle(fnState), toggle, target, switchShortcut);
    menu->addSeparator();
    addEntry(*menu, QStringLiteral("About Vantel…"), about, target);
    menu->addSeparator();
    addEntry(*menu, QStringLiteral("Quit"), quit, target, quitShortcut);
    return menu;
}

void AppDelegate::updateMenuTitles(QMenu &menu, bool fnState) {
    const QList<QAction *> entries = menu.actions();
    if (!entries.isEmpty())
        entries[0]->setText(modeLabel(fnState));
    if (entries.size() > 1)
        entries[1]->setText(switchTitle(fnState));
}

void AppDelegate::quit() {
    services_.application.terminate();
}
