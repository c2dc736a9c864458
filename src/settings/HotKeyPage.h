// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class GlobalHotKey;
class QLabel;
class QLineEdit;
class QPushButton;

// The keys bound to the switch, and how to change them: the desktop's own dialog where its
// portal offers one, else the command to bind in the desktop's keyboard settings.
class HotKeyPage : public QWidget {
    Q_OBJECT
public:
    // `hotKey` outlives the page.
    explicit HotKeyPage(GlobalHotKey &hotKey, QWidget *parent = nullptr);

private:
    void showBinding();

    GlobalHotKey &hotKey_;
    QLabel *bound_;
    QPushButton *configure_;
    QLabel *howTo_;
    QLineEdit *command_;
};
