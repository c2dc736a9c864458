#include "AppDelegate.h"

#include "IconState.h"
#include "NotificationCenter.h"
#include "StatusBar.h"
#include "StatusButton.h"
#include "WorkQueue.h"
#include "hotkey/GlobalHotKey.h"

#include <QPointer>
#include <QUuid>

#include <chrono>
#include <cmath>

namespace {
const QString shortcutText = QStringLiteral("⌘⌥F");
} // namespace

AppDelegate::AppDelegate(const AppServices &services, FnKeyToggler fnKeyToggler)
    : toggler(std::move(fnKeyToggler)), icons(IconStyle{}), services_(services) {}

AppDelegate::~AppDelegate() = default;

StatusButton *AppDelegate::button() const {
    return statusItem ? statusItem->button() : nullptr;
}

void AppDelegate::toggleAction() {
    if (isWorking)
        return;
    isWorking = true;
    const bool current = toggler.readFnState();
    if (StatusButton *statusButton = button())
        icons.show(workingState(current), statusButton);

    // The worker gets its own copy of the stateless switcher and reaches the delegate only
    // through a guarded pointer checked on the main thread, so nothing it touches can go away
    // under it.
    QPointer<AppDelegate> self(this);
    WorkQueue &work = services_.work;
    work.runInBackground([self, flipper = toggler, &work] {
        const bool newFnState = flipper.toggleFnState();
        work.runOnMain([self, newFnState] {
            if (self)
                self->finishToggle(newFnState);
        });
    });
}

void AppDelegate::finishToggle(bool newFnState) {
    isWorking = false;
    if (StatusButton *statusButton = button())
        icons.show(steadyState(newFnState), statusButton);
    refreshTooltip();
    postToggleNotification(newFnState);
}

void AppDelegate::refreshTooltip() {
    StatusButton *statusButton = button();
    if (!statusButton)
        return;
    const QString mode =
        toggler.readFnState()
            ? QStringLiteral("Vantel: Standard F1, F2, etc. (click to switch) • Shortcut: ")
            : QStringLiteral("Vantel: Hardware Keys (click to switch) • Shortcut: ");
    statusButton->setToolTip(mode + shortcutText);
}

void AppDelegate::postToggleNotification(bool newFnState) {
    NotificationRequest request;
    request.content.title = QStringLiteral("Function Keys toggled");
    request.content.body = newFnState
                               ? QStringLiteral("Enabled: F1, F2 act as standard function keys")
                               : QStringLiteral("Disabled: F1, F2 control hardware features");
    request.trigger = std::chrono::milliseconds(100);
    request.identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    services_.notifications.add(request);
}

void AppDelegate::applicationDidFinishLaunching() {
    // The sign sets the direction: negative turns the arrows clockwise.
    icons.style.spinsPerSecond = -std::fabs(icons.style.spinsPerSecond);
    setupStatusItem();
    services_.notifications.requestAuthorization();
    QPointer<AppDelegate> weakSelf(this);
    services_.hotKey.registerHotKey([weakSelf] {
        if (weakSelf)
            weakSelf->toggleAction();
    });
    if (StatusButton *statusButton = button()) {
        icons.show(steadyState(toggler.readFnState()), statusButton);
        refreshTooltip();
    }
}

void AppDelegate::applicationWillTerminate() {
    services_.hotKey.unregisterHotKey();
}
