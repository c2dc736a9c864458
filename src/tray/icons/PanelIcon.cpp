// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/icons/PanelIcon.h"

#include "tray/icons/Tint.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPixmap>

QIcon panelIcon(const QList<QImage> &representations, bool isTemplate) {
    // The panel's own colours are not known to the program; the desktop's palette is what its
    // theme hands to every application, the panel included.
    const QColor foreground = QGuiApplication::palette().color(QPalette::WindowText);
    QIcon icon;
    for (const QImage &representation : representations)
        icon.addPixmap(
            QPixmap::fromImage(isTemplate ? tinted(representation, foreground) : representation));
    return icon;
}
