// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tray/colours/IconAppearance.h"

#include <QObject>

class DesktopColorScheme;
class PanelModeWatch;
class X11TrayColors;

// Everything that decides the icon's colour, gathered in one place and followed while the
// program runs: the user's preference, the XEmbed tray's published colours, the desktop's
// colour scheme and the application palette.
class PanelColors : public QObject {
    Q_OBJECT
public:
    explicit PanelColors(QObject *parent = nullptr);
    ~PanelColors() override;

    IconAppearance appearance() const { return appearance_; }

    void setPreference(IconColorPreference preference);
    // Whether the icon goes to a StatusNotifierItem host rather than an XEmbed tray.
    void setNotifierItem(bool notifierItem);

signals:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update();
    void panelLookChanged();

    X11TrayColors *tray_;
    DesktopColorScheme *desktop_;
    PanelModeWatch *panelMode_;
    IconColorPreference preference_ = IconColorPreference::automatic;
    bool notifierItem_ = false;
    IconAppearance appearance_;
};
