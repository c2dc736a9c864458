#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

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
// icon unless it is larger than the screen allows. A host that reports only a click position
// passes it as a 1 x 1 rectangle.
QPoint menuPosition(const QRect &icon, const QRect &screen, const QRect &available, QSize menuSize);
