// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tray/colours/IconAppearance.h"

#include <QPoint>

#include <functional>
#include <memory>

class QMenu;
class StatusButton;

// A click on the status item, as its action receives it.
struct Click {
    enum class Button { left, right };
    Button button = Button::left;
    // Whether Control was held: a Control click counts as a right click.
    bool control = false;

    friend bool operator==(const Click &, const Click &) = default;
};

// One item in the panel's status area.
class StatusItem {
public:
    virtual ~StatusItem() = default;

    // The item's button; none when the platform gives the item none.
    virtual StatusButton *button() = 0;
    // Runs `action` for every left or right click on the item, with that click.
    virtual void setAction(std::function<void(Click)> action) = 0;
    // Shows `menu` once at `location` in the button's own coordinates (y down), or at the
    // pointer when the host keeps the button's position to itself. The item keeps the menu
    // until it closes; a chosen entry's action runs after that.
    virtual void popUpMenu(std::unique_ptr<QMenu> menu, QPoint location) = 0;
    // The menu for panels that draw an item's menu themselves (StatusNotifierItem hosts, over
    // dbusmenu), which never ask the item to pop one up. Its aboutToShow signal comes just
    // before each showing. The item keeps the menu.
    virtual void setMenu(std::unique_ptr<QMenu> menu) = 0;
    // What the user asked for the icon's colour; takes effect at once.
    virtual void setIconColorPreference(IconColorPreference preference) = 0;
};

// The panel's status area.
class StatusBar {
public:
    virtual ~StatusBar() = default;

    // A new item of variable width that shows only its image; it appears with its first image.
    virtual std::unique_ptr<StatusItem> makeStatusItem() = 0;
};
