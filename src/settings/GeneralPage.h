// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "settings/AutostartEntry.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class SettingsStore;

// The icon's colour and the start at login.
class GeneralPage : public QWidget {
    Q_OBJECT
public:
    // `store` outlives the page.
    explicit GeneralPage(const SettingsStore &store, QWidget *parent = nullptr);

    void reload();

Q_SIGNALS:
    void failed(const QString &failure);

private:
    void colourChosen();
    void autostartToggled(bool enabled);

    const SettingsStore &store_;
    AutostartEntry autostart_;
    QComboBox *colour_;
    QCheckBox *startAtLogin_;
};
