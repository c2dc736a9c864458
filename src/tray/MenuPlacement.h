// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// The screen edge a panel sits on, as far as the icon's position tells it.
enum class PanelEdge { top, bottom, left, right };

// Which edge the panel holding `icon` sits on. A panel that reserves its space leaves the icon
// outside `available`; one that does not is told by the nearest edge of `screen`, ties going to
// top and bottom, where most panels are.
PanelEdge panelEdge(const QRect &icon, const QRect &screen, const QRect &available);

// Where a menu of `menuSize` opens for an icon at `icon` (screen coordinates) on the screen
// `screen` whose work area is `available`. Below a top panel at the icon's left edge, three
// pixels under it; above a bottom panel with its bottom edge three pixels over the icon; beside a
// side panel three pixels off it. The menu always lies fully on `screen` and never covers the
// icon unless it is larger than the screen allows.
QPoint menuPosition(const QRect &icon, const QRect &screen, const QRect &available, QSize menuSize);

// The same for an icon whose panel is known to sit on `edge`.
QPoint menuBeside(const QRect &icon, PanelEdge edge, const QRect &screen, QSize menuSize);

// What stands for the icon when a host tells only that it was clicked: the pointer's column
// across the rows of a top or bottom panel (its row across the columns of a side one), and the
// edge that panel sits on.
struct PointerSpot {
    QRect icon;
    PanelEdge edge;
};

// The panel under `pointer` is the desktop's window there (`window`, when known) if that is a
// strip along an edge of `screen`; else the space the work area `available` leaves at an edge;
// else a panel of common thickness, or as thick as the pointer's distance from the nearest edge
// suggests for an icon centred in it.
PointerSpot pointerSpot(QPoint pointer, const std::optional<QRect> &window, const QRect &screen,
                        const QRect &available);
