// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class KeyboardModes;
class QLabel;
class QPushButton;
class QTreeWidget;
struct KeyboardListing;

// What the keyboard service reports of each keyboard, read-only; where there is no service,
// how to install it.
class KeyboardsPage : public QWidget {
    Q_OBJECT
public:
    // `keyboards` outlives the page.
    explicit KeyboardsPage(KeyboardModes &keyboards, QWidget *parent = nullptr);

    // Asks the service again; the answer shows when it comes.
    void refresh();

private:
    void showListing(const KeyboardListing &listing);

    KeyboardModes &keyboards_;
    QLabel *message_;
    QTreeWidget *list_;
    QPushButton *refresh_;
};
