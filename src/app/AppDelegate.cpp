// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/AppDelegate.h"

#include "app/StatusMenu.h"
#include "desktop/NotificationCenter.h"
#include "icon/IconState.h"
#include "keyboards/KeyboardModes.h"
#include "logging/LoggingCategories.h"
#include "runtime/WorkQueue.h"
#include "settings/SettingsWindow.h"
#include "shortcuts/GlobalHotKey.h"
#include "tray/StatusButton.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QUuid>

#include <chrono>
#include <utility>

namespace {
// A menu entry runs after the menu has closed, by when the delegate may be gone.
template <typename Step> std::function<void()> whileAlive(AppDelegate *delegate, Step step) {
    return [self = QPointer<AppDelegate>(delegate), step] {
        if (self)
            step(*self);
    };
}
} // namespace

AppDelegate::AppDelegate(const AppServices &services, FnKeyToggler toggler, ModeRules rules)
    : services_(services), toggler_(std::move(toggler)),
      icons_(IconStyle{}, SpinDirection::clockwise),
      memory_(services.focus, services.keyboards, std::move(rules), toggler_, services.work) {}

AppDelegate::~AppDelegate() = default;

StatusButton *AppDelegate::button() const {
    return statusItem_ ? statusItem_->button() : nullptr;
}

void AppDelegate::start() {
    setupStatusItem();
    services_.notifications.requestAuthorization();
    QPointer<AppDelegate> weakSelf(this);
    services_.hotKey.registerHotKey([weakSelf] {
        if (weakSelf)
            weakSelf->toggleAction();
    });
    // The keyboards follow the reading the icon shows; without a button they need one of their own.
    StatusButton *statusButton = button();
    const bool fnState = toggler_.readFnState();
    if (statusButton) {
        showSteady(fnState, statusButton);
        refreshTooltip();
    }
    services_.keyboards.apply(fnState);
    connect(&memory_, &ModeMemory::changed, this, &AppDelegate::refreshTooltip);
    connect(&memory_, &ModeMemory::preferenceMayHaveChanged, this, &AppDelegate::preferenceChanged);
    memory_.start(fnState);
    // Desktops that ask the user first name the shortcut's keys long after the launch.
    connect(&services_.hotKey, &GlobalHotKey::shortcutChanged, this, &AppDelegate::refreshTooltip);
    services_.keyboards.followKeyboards([weakSelf](bool changed) {
        if (weakSelf)
            weakSelf->keyboardChanged(changed);
    });
}

// The one place, after launch, that the keyboards are asked from: every change of the
// preference, a flip's included, passes here, and what is sent is what it holds now.
void AppDelegate::preferenceChanged() {
    // A running flip's own writes are taken up once its notification is out: reading them, and
    // the memory's bookkeeping they start, would only hold up the switch the user waits for.
    if (isWorking_) {
        preferenceWaits_ = true;
        return;
    }
    const bool fnState = toggler_.readFnState();
    if (!memory_.toldKeyboards(fnState))
        services_.keyboards.apply(fnState);
    memory_.preferenceChanged(fnState);
    // The application in front switches the mode without a spin or a notification; a running
    // flip shows its own outcome when it ends.
    StatusButton *statusButton = button();
    if (statusButton && !isWorking_ && fnState != steadyFnState_) {
        showSteady(fnState, statusButton);
        refreshTooltip();
    }
}

void AppDelegate::rulesChanged() {
    memory_.rulesChanged();
}

void AppDelegate::keyboardChanged(bool fnState) {
    QPointer<AppDelegate> self(this);
    WorkQueue &work = services_.work;
    work.runInBackground([self, writer = toggler_, fnState, &work] {
        const QString failed = writer.storeFnState(fnState).value_or(QString());
        work.runOnMain([self, fnState, failed] {
            if (!self)
                return;
            if (self->writeFailures_.isNews(failed))
                qCWarning(lcKeyboard).noquote()
                    << "could not write the mode changed on the keyboard:" << failed;
            self->showKeyboardChange(fnState);
        });
    });
}

void AppDelegate::showKeyboardChange(bool fnState) {
    // A running flip shows its own outcome when it ends.
    if (StatusButton *statusButton = button(); statusButton && !isWorking_)
        showSteady(fnState, statusButton);
    refreshTooltip();
    postToggleNotification(fnState);
}

void AppDelegate::stop() {
    // On the way out the tooltip is not worth another reading.
    disconnect(&services_.hotKey, nullptr, this, nullptr);
    disconnect(&memory_, nullptr, this, nullptr);
    services_.hotKey.unregisterHotKey();
    memory_.stop();
}

void AppDelegate::setupStatusItem() {
    statusItem_ = services_.statusBar.makeStatusItem();
    // The item dies with the delegate, so its action never outlives `this`.
    statusItem_->setAction([this](Click click) { statusItemClicked(click); });
    // Without a button nothing is shown, so nothing is read; the panel's menu reads the
    // preference afresh whenever it opens anyway.
    StatusButton *statusButton = button();
    const bool fnState = statusButton && toggler_.readFnState();
    statusItem_->setMenu(panelMenu(fnState));
    if (statusButton) {
        showSteady(fnState, statusButton);
        refreshTooltip();
    }
}

StatusMenu::Actions AppDelegate::menuActions() {
    return {whileAlive(this, [](AppDelegate &delegate) { delegate.toggleAction(); }),
            whileAlive(this, [](AppDelegate &delegate) { delegate.showAbout(); }),
            whileAlive(this, [](AppDelegate &delegate) { delegate.quit(); }),
            [self = QPointer<AppDelegate>(this)](bool remember) {
                if (self)
                    self->memory_.setRemembered(self->menuApplication_, remember,
                                                self->toggler_.readFnState());
            },
            whileAlive(this, [](AppDelegate &delegate) { delegate.showSettings(); })};
}

StatusMenu::Remember AppDelegate::rememberEntry() {
    const ModeMemory::MenuEntry entry = memory_.menuEntry();
    menuApplication_ = entry.application;
    return {entry.name, entry.remembered, entry.unavailable};
}

std::unique_ptr<QMenu> AppDelegate::panelMenu(bool fnState) {
    std::unique_ptr<QMenu> menu =
        StatusMenu::buildMenu(fnState, menuActions(), rememberEntry(), services_.hotKey.shortcut());
    QMenu *shown = menu.get();
    // The panel keeps this menu and shows it again and again: read the preference at each
    // opening, twice as for a menu the program pops up, the second time at the last moment.
    connect(shown, &QMenu::aboutToShow, this, [this, shown] {
        StatusMenu::updateMenuTitles(*shown, toggler_.readFnState());
        StatusMenu::updateMenuTitles(*shown, toggler_.readFnState());
        StatusMenu::updateRememberEntry(*shown, rememberEntry());
        StatusMenu::updateHotKey(*shown, services_.hotKey.shortcut());
    });
    return menu;
}

void AppDelegate::statusItemClicked(Click click) {
    if (click.button == Click::Button::right || click.control)
        showMenu();
    else
        toggleAction();
}

void AppDelegate::showMenu() {
    std::unique_ptr<QMenu> menu = StatusMenu::buildMenu(
        toggler_.readFnState(), menuActions(), rememberEntry(), services_.hotKey.shortcut());
    // Read again so that the titles show the preference at the last moment before display.
    StatusMenu::updateMenuTitles(*menu, toggler_.readFnState());
    if (StatusButton *statusButton = button())
        statusItem_->popUpMenu(std::move(menu), QPoint(0, statusButton->bounds().height() + 3));
}

void AppDelegate::showSettings() {
    if (!settings_)
        settings_ = std::make_unique<SettingsWindow>(services_.hotKey, services_.keyboards);
    settings_->present();
}

void AppDelegate::quit() {
    if (services_.quit)
        services_.quit();
}

void AppDelegate::toggleAction() {
    if (isWorking_)
        return;
    isWorking_ = true;
    const bool current = toggler_.readFnState();
    if (StatusButton *statusButton = button())
        icons_.show(workingState(current), statusButton);

    // The worker gets its own copy of the stateless switcher and reaches the delegate only
    // through a guarded pointer checked on the main thread, so nothing it touches can go away
    // under it.
    QPointer<AppDelegate> self(this);
    WorkQueue &work = services_.work;
    work.runInBackground([self, flipper = toggler_, &work] {
        const bool newFnState = flipper.toggleFnState();
        work.runOnMain([self, newFnState] {
            if (self)
                self->finishToggle(newFnState);
        });
    });
}

void AppDelegate::finishToggle(bool newFnState) {
    isWorking_ = false;
    // The steady icon, then the notification; whatever else follows the flip comes after them.
    StatusButton *statusButton = button();
    if (statusButton) {
        steadyFnState_ = newFnState;
        icons_.show(steadyState(newFnState), statusButton);
    }
    postToggleNotification(newFnState);
    if (statusButton)
        icons_.prepareSpin(workingState(newFnState), statusButton);
    refreshTooltip();
    // The keyboards are not asked from here: the flip wrote the preference, and the watch on it
    // asks them with a fresh reading. The flip's own answer may already be out of date by now.
    if (std::exchange(preferenceWaits_, false))
        preferenceChanged();
}

void AppDelegate::showSteady(bool fnState, StatusButton *statusButton) {
    steadyFnState_ = fnState;
    icons_.show(steadyState(fnState), statusButton);
    // The next click spins from here: its frames are made now, while nothing else happens.
    icons_.prepareSpin(workingState(fnState), statusButton);
}

void AppDelegate::refreshTooltip() {
    StatusButton *statusButton = button();
    if (!statusButton)
        return;
    QString tip =
        toggler_.readFnState()
            ? QCoreApplication::translate("Tooltip",
                                          "Vantel: Standard F1, F2, etc. (click to switch)")
            : QCoreApplication::translate("Tooltip", "Vantel: Hardware Keys (click to switch)");
    if (const QString shortcut = services_.hotKey.shortcut(); !shortcut.isEmpty())
        tip = QCoreApplication::translate("Tooltip", "%1 • Shortcut: %2").arg(tip, shortcut);
    if (const QString remembered = memory_.rememberedName(); !remembered.isEmpty())
        tip = QCoreApplication::translate("Tooltip", "%1 • Remembered for %2").arg(tip, remembered);
    statusButton->setToolTip(tip);
}

void AppDelegate::postToggleNotification(bool newFnState) {
    NotificationRequest request;
    request.content.title = QCoreApplication::translate("Notification", "Function Keys toggled");
    request.content.body =
        newFnState ? QCoreApplication::translate("Notification",
                                                 "Enabled: F1, F2 act as standard function keys")
                   : QCoreApplication::translate("Notification",
                                                 "Disabled: F1, F2 control hardware features");
    request.trigger = std::chrono::milliseconds(100);
    request.identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    services_.notifications.add(request);
}
