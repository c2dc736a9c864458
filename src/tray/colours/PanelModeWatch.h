// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// Tells when a panel switches between its light and dark look. Xfce's panel keeps its mode as
// `/panels/dark-mode` in the `xfce4-panel` channel of xfconf and hands it to plugins running in
// processes of their own (its tray among them) with its wrapper's `Set` signal, after the store
// announced the change. Its tray recolours a symbolic icon only when it receives one, never when
// its own look changes, so the icon has to be handed over again: after the plugin heard of the
// change, or the icon is drawn in the old colours once more. Subscribing starts nothing.
class PanelModeWatch : public QObject {
    Q_OBJECT
public:
    // Listens on the Qt bus connection named `busName`.
    explicit PanelModeWatch(const QString &busName, QObject *parent = nullptr);

signals:
    // The panel's look has changed.
    void changed();
    // The settings store's PropertyChanged signal, whatever it was about; for this class's own
    // use.
    void propertyChanged(const QString &channel, const QString &property);
};

// Whether a change of `property` in `channel` changes how a panel looks.
bool changesPanelLook(const QString &channel, const QString &property);
