#pragma once

#include <functional>
#include <memory>

class QMenu;

// The status item's menu: the current mode as a disabled label, the switch, About and Quit.
// Built afresh for every opening, so it never shows a stale mode.
namespace StatusMenu {

// What the three active entries run; each runs on the main thread after the menu has closed.
struct Actions {
    std::function<void()> toggle;
    std::function<void()> about;
    std::function<void()> quit;
};

// A new menu for `fnState`.
std::unique_ptr<QMenu> buildMenu(bool fnState, const Actions &actions);
// Rewrites the mode label (first entry) and the switch (second entry) for `fnState`; entries
// are found by position, and missing ones are left alone.
void updateMenuTitles(QMenu &menu, bool fnState);

} // namespace StatusMenu
