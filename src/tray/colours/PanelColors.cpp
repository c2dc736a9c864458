// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/colours/PanelColors.h"

#include "logging/LoggingCategories.h"
#include "tray/colours/DesktopColorScheme.h"
#include "tray/colours/PanelModeWatch.h"
#include "tray/x11/X11TrayColors.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

PanelColors::PanelColors(QObject *parent)
    : QObject(parent), tray_(new X11TrayColors(this)),
      desktop_(new DesktopColorScheme(DesktopColorScheme::sessionBusName(), this)),
      panelMode_(new PanelModeWatch(DesktopColorScheme::sessionBusName(), this)) {
    connect(tray_, &X11TrayColors::changed, this, &PanelColors::update);
    connect(desktop_, &DesktopColorScheme::changed, this, &PanelColors::update);
    connect(panelMode_, &PanelModeWatch::changed, this, &PanelColors::panelLookChanged);
    // The palette is the last resort; a theme change brings a new one.
    qGuiApp->installEventFilter(this);
    update();
}

PanelColors::~PanelColors() = default;

void PanelColors::setPreference(IconColorPreference preference) {
    preference_ = preference;
    update();
}

void PanelColors::setNotifierItem(bool notifierItem) {
    notifierItem_ = notifierItem;
    update();
}

bool PanelColors::eventFilter(QObject *watched, QEvent *event) {
    if (watched == qGuiApp && event->type() == QEvent::ApplicationPaletteChange)
        update();
    return false;
}

void PanelColors::update() {
    PanelColorHints hints;
    hints.notifierItem = notifierItem_;
    hints.trayForeground = tray_->foreground();
    switch (desktop_->scheme()) {
    case DesktopColorScheme::Scheme::dark:
        hints.desktopIsDark = true;
        break;
    case DesktopColorScheme::Scheme::light:
        hints.desktopIsDark = false;
        break;
    case DesktopColorScheme::Scheme::noPreference:
        break;
    }
    hints.paletteText = QGuiApplication::palette().color(QPalette::WindowText);
    IconAppearance chosen = chooseIconAppearance(preference_, hints);
    chosen.otherName = appearance_.otherName;
    if (chosen == appearance_)
        return;
    appearance_ = chosen;
    qCDebug(lcTray) << "icon colour" << chosen.color.name()
                    << (chosen.symbolic ? "with a symbolic name" : "as pixmaps");
    emit changed();
}

void PanelColors::panelLookChanged() {
    // Pixmaps are shown as sent whatever the panel looks like; only a named icon is worth
    // handing over again.
    if (!appearance_.symbolic)
        return;
    appearance_.otherName = !appearance_.otherName;
    emit changed();
}
