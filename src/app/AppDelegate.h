// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/AppServices.h"
#include "app/ModeMemory.h"
#include "app/StatusMenu.h"
#include "fnkey/FnKeyToggler.h"
#include "runtime/RepeatFilter.h"
#include "status/StatusIconController.h"
#include "tray/StatusBar.h"

#include <QObject>

#include <memory>

class SettingsWindow;
class StatusButton;

// Owns the switcher, the icon and the status item, and runs every toggle: the status item's
// clicks, the menu's entries and the global hot key all end here.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(const AppServices &services, FnKeyToggler toggler = FnKeyToggler(),
                         ModeRules rules = ModeRules());
    ~AppDelegate() override;

    // The launch steps, once the event loop runs: the status item with its icon and tooltip,
    // the notification permission request, the hot key, then icon and tooltip from a fresh
    // reading.
    void start();
    // The last step before the application ends: gives the hot key back.
    void stop();

    // Flips the fn state in the background, spinning the icon meanwhile; dropped while a flip
    // is already running.
    void toggleAction();
    // The status item's action: a right or Control click opens the menu, any other click
    // toggles.
    void statusItemClicked(Click click);
    // Shows the About panel with the version line and the credits.
    void showAbout();
    // Opens the settings window, made on first use, or brings it to the front.
    void showSettings();
    // Ends the application.
    void quit();
    // The preference changed on disk (a flip, the application in front or someone else wrote
    // it): the keyboards, the icon and the mode remembered for the application in front follow.
    void preferenceChanged();
    // The modes remembered per application changed on disk.
    void rulesChanged();
    // A keyboard's own Fn+Esc changed the mode: the preference, the icon, the tooltip and a
    // notification follow, as after a switch.
    void keyboardChanged(bool fnState);

    // Whether a flip is running.
    bool isWorking() const { return isWorking_; }
    const StatusIconController &icons() const { return icons_; }
    const ModeMemory &memory() const { return memory_; }
    // None before start().
    StatusItem *statusItem() const { return statusItem_.get(); }

private:
    void setupStatusItem();
    void showMenu();
    StatusMenu::Actions menuActions();
    // What the memory entry offers now; the application it names is the one a check applies to.
    StatusMenu::Remember rememberEntry();
    // The menu panels show themselves, with titles read afresh at each opening.
    std::unique_ptr<QMenu> panelMenu(bool fnState);
    void finishToggle(bool newFnState);
    void showKeyboardChange(bool fnState);
    // Shows the steady icon of `fnState` and prepares the spin a click would start from it.
    void showSteady(bool fnState, StatusButton *statusButton);
    void refreshTooltip();
    void postToggleNotification(bool newFnState);
    StatusButton *button() const;

    AppServices services_;
    std::unique_ptr<StatusItem> statusItem_;
    FnKeyToggler toggler_;
    StatusIconController icons_;
    ModeMemory memory_;
    bool isWorking_ = false;
    bool steadyFnState_ = false;
    // The preference changed while a flip ran; it is taken up when the flip has been reported.
    bool preferenceWaits_ = false;
    // The application the open menu's memory entry names.
    QString menuApplication_;
    // Made on first use only: nothing of it is read or built at start-up.
    std::unique_ptr<SettingsWindow> settings_;
    // Why writing the keyboard's mode failed, logged once per lasting cause.
    RepeatFilter writeFailures_;
};
