// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

// What the About panel is given; everything else (name, icon) is the application's own.
struct AboutPanelOptions {
    QString applicationVersion;
    QString credits;
    QFont creditsFont;
    // Which keyboards follow the mode, or why none does; empty to show nothing.
    QString keyboards = QString();
};

// The standard About panel.
class AboutPanel {
public:
    virtual ~AboutPanel() = default;

    // Shows the panel with `options`, or brings the open one to the front with them.
    virtual void orderFront(const AboutPanelOptions &options) = 0;
};
