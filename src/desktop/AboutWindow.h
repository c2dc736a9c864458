// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/AboutPanel.h"

#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <functional>

// A small About window in the usual Linux style: the application's icon and name, the version
// line, the credits and a Close button. One window is reused while it is open; closing it
// neither ends the program nor keeps it running.
class AboutWindow final : public AboutPanel {
public:
    // `applicationIcon` is asked for the icon each time a window is made.
    explicit AboutWindow(std::function<QIcon()> applicationIcon);
    ~AboutWindow() override;
    AboutWindow(const AboutWindow &) = delete;
    AboutWindow &operator=(const AboutWindow &) = delete;

    void orderFront(const AboutPanelOptions &options) override;

    // The open window, if any.
    QWidget *window() const { return window_; }

private:
    void makeWindow();

    std::function<QIcon()> applicationIcon_;
    QPointer<QWidget> window_;
    QPointer<QLabel> version_;
    QPointer<QLabel> credits_;
    QPointer<QLabel> keyboards_;
};
