// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMenu;

// The status item's menu: the current mode as a disabled label, the switch, the per-application
// memory, Settings, About and Quit.
// Built afresh for every opening, so it never shows a stale mode.
namespace StatusMenu {

// What the active entries run; each runs on the main thread after the menu has closed.
struct Actions {
    std::function<void()> toggle;
    std::function<void()> about;
    std::function<void()> quit;
    // The memory entry was checked (true) or unchecked.
    std::function<void(bool)> remember;
    std::function<void()> settings;
};

// The memory entry: "Remember for NAME" for the application in front, or disabled with the
// reason it cannot be offered.
struct Remember {
    QString name; // empty while no application is known
    bool checked = false;
    QString unavailable;
};

// A new menu for `fnState`. `hotKey` names the keys the desktop bound the switch to, as the
// tooltip shows them; the switch shows them as its hint, and none while nothing is bound.
std::unique_ptr<QMenu> buildMenu(bool fnState, const Actions &actions,
                                 const Remember &remember = {}, const QString &hotKey = {});
// Rewrites the mode label (first entry) and the switch (second entry) for `fnState`; entries
// are found by position, and missing ones are left alone.
void updateMenuTitles(QMenu &menu, bool fnState);
// Rewrites the switch's hint for keys bound (or taken back) since the menu was made.
void updateHotKey(QMenu &menu, const QString &hotKey);
// Rewrites the memory entry and its hint for a menu shown again; missing ones are left alone.
void updateRememberEntry(QMenu &menu, const Remember &remember);

} // namespace StatusMenu
