// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QString>

#include <optional>

// What the user asked for with `defaults write org.vantel.Vantel IconColor -string ...`.
enum class IconColorPreference { automatic, light, dark };

// "light" or "dark" in any case and with surrounding blanks; anything else, a missing value
// included, means automatic.
IconColorPreference iconColorPreference(const QString &text);
// The stored spelling of `preference`, which iconColorPreference reads back: "auto", "light" or
// "dark".
QString iconColorName(IconColorPreference preference);

// The colours of a light icon (for dark panels) and of a dark one (for light panels).
inline const QColor lightIconColor{0xff, 0xff, 0xff};
inline const QColor darkIconColor{0x00, 0x00, 0x00};

// How the icon goes to the panel: the colour its pictures are painted in, and whether it also
// carries a symbolic icon name for hosts that recolour those to their own text colour.
struct IconAppearance {
    QColor color;
    bool symbolic = false;
    // Some hosts recolour a named icon once, as they receive it, and never again when their own
    // look changes: the name then switches to its other spelling, which they look up afresh.
    bool otherName = false;
    // Where nothing tells the panel's colour: an edge in this colour rings the marks, so that
    // they stand out on dark and light panels alike. Invalid where a colour is told.
    QColor edge = QColor();
    friend bool operator==(const IconAppearance &, const IconAppearance &) = default;
};

// What the panel and the desktop tell about colour, as far as anything tells it.
struct PanelColorHints {
    // The icon goes to a StatusNotifierItem host (else to an XEmbed tray).
    bool notifierItem = false;
    // The foreground an XEmbed tray publishes.
    std::optional<QColor> trayForeground;
    // The desktop's colour scheme: true for dark, false for light, none for no preference.
    std::optional<bool> desktopIsDark;
    // The application palette's text colour: the last resort, right only when the panel and the
    // applications share a theme.
    QColor paletteText;
};

// A forced colour wins and is sent as plain pixmaps, so that no host recolours it. Otherwise an
// XEmbed tray's own foreground, then the desktop's scheme, then the palette; a StatusNotifierItem
// host also gets the symbolic name. Where nothing tells the colour at all, the palette's text
// colour gets a contrasting edge.
IconAppearance chooseIconAppearance(IconColorPreference preference, const PanelColorHints &hints);

// The edge that stands out from `color`: white around dark marks, black around light ones.
QColor contrastingEdge(const QColor &color);
