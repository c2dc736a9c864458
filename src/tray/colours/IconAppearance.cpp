// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/colours/IconAppearance.h"

IconColorPreference iconColorPreference(const QString &text) {
    const QString value = text.trimmed().toLower();
    if (value == u"light")
        return IconColorPreference::light;
    if (value == u"dark")
        return IconColorPreference::dark;
    return IconColorPreference::automatic;
}

QString iconColorName(IconColorPreference preference) {
    switch (preference) {
    case IconColorPreference::light:
        return QStringLiteral("light");
    case IconColorPreference::dark:
        return QStringLiteral("dark");
    case IconColorPreference::automatic:
        break;
    }
    return QStringLiteral("auto");
}

IconAppearance chooseIconAppearance(IconColorPreference preference, const PanelColorHints &hints) {
    switch (preference) {
    case IconColorPreference::light:
        return {lightIconColor, false};
    case IconColorPreference::dark:
        return {darkIconColor, false};
    case IconColorPreference::automatic:
        break;
    }
    if (!hints.notifierItem && hints.trayForeground)
        return {*hints.trayForeground, false};
    if (hints.desktopIsDark)
        return {*hints.desktopIsDark ? lightIconColor : darkIconColor, hints.notifierItem};
    // The palette belongs to the program's theme, which need not be the panel's.
    IconAppearance guessed{hints.paletteText, hints.notifierItem};
    guessed.edge = contrastingEdge(hints.paletteText);
    return guessed;
}

QColor contrastingEdge(const QColor &color) {
    // Relative luminance: a mid grey counts as light when it is.
    const qreal luminance =
        0.2126 * color.redF() + 0.7152 * color.greenF() + 0.0722 * color.blueF();
    return luminance < 0.5 ? lightIconColor : darkIconColor;
}
