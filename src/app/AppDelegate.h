#pragma once

#include "AppServices.h"
#include "FnKeyToggler.h"
#include "StatusIconController.h"

#include <QObject>
#include <QString>

#include <memory>

class QMenu;
class StatusButton;
class StatusItem;

// Owns the switcher, the icon and the status item, and runs every toggle: the status item's
// clicks, the menu's entries and the global hot key all end here.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    // An action of the delegate, as a menu entry is given one.
    using Action = void (AppDelegate::*)();

    explicit AppDelegate(const AppServices &services, FnKeyToggler fnKeyToggler = FnKeyToggler());
    ~AppDelegate() override;

    std::unique_ptr<StatusItem> statusItem;
    FnKeyToggler toggler;
    StatusIconController icons;
    bool isWorking = false;

    // Flips the fn state in the background, spinning the icon meanwhile; dropped while a flip
    // is already running.
    void toggleAction();

private:
    void finishToggle(bool newFnState);
    void refreshTooltip();
    void postToggleNotification(bool newFnState);
    void setupStatusItem();

public:
    // The status item's action: a right or Control click opens the menu, any other click
    // toggles.
    void statusItemClicked();

    // A new menu for `fnState`: the current mode, the switch, About and Quit, with the three
    // actions running on `target`.
    static std::unique_ptr<QMenu> buildMenu(bool fnState, Action toggle, Action about, Action quit,
                                            AppDelegate *target);
    // Rewrites the mode label (first entry) and the switch (second entry) for `fnState`.
    static void updateMenuTitles(QMenu &menu, bool fnState);

    // Ends the application.
    void quit();
    // Shows the About panel with the version line and the credits.
    void showAbout();

    // The launch steps, once the event loop runs.
    void applicationDidFinishLaunching();
    // The last step before the application ends.
    void applicationWillTerminate();

private:
    StatusButton *button() const;

    AppServices services_;
};
