// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/MenuPlacement.h"

#include <algorithm>

namespace {

constexpr int gap = 3;

// `start` moved as little as possible so that [start, start + length) lies in [low, high).
int clampInto(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

// One axis: the menu goes after the icon (`preferAfter`) or before it; when that side is too
// small it goes to the other one if that one is large enough, else to the larger of the two.
int besideOnAxis(int iconStart, int iconEnd, int length, int low, int high, bool preferAfter) {
    const int after = iconEnd + gap;
    const int before = iconStart - gap - length;
    const bool fitsAfter = after + length <= high;
    const bool fitsBefore = before >= low;
    bool useAfter = preferAfter;
    if (preferAfter && !fitsAfter)
        useAfter = !fitsBefore && high - iconEnd >= iconStart - low;
    else if (!preferAfter && !fitsBefore)
        useAfter = fitsAfter || high - iconEnd > iconStart - low;
    return clampInto(useAfter ? after : before, length, low, high);
}

// A panel's usual thickness, for when nothing tells the real one.
constexpr int commonPanel = 32;
// How near to an edge a pointer must be to be taken for a click on a panel there.
constexpr int panelReach = 2 * commonPanel;

// The edge a desktop window lies along when it is a panel: touching that edge, longer along it
// than across, and at most a quarter of the screen thick. Top and bottom first.
std::optional<PanelEdge> stripEdge(const QRect &window, const QRect &screen) {
    const bool flat = window.width() >= window.height() && window.height() * 4 <= screen.height();
    const bool upright = window.height() > window.width() && window.width() * 4 <= screen.width();
    if (flat && window.top() <= screen.top() + 1)
        return PanelEdge::top;
    if (flat && window.bottom() >= screen.bottom() - 1)
        return PanelEdge::bottom;
    if (upright && window.left() <= screen.left() + 1)
        return PanelEdge::left;
    if (upright && window.right() >= screen.right() - 1)
        return PanelEdge::right;
    return std::nullopt;
}

// The pointer's column through the rows of `strip` (its row through the columns of a side one).
QRect across(QPoint pointer, const QRect &strip, PanelEdge edge) {
    if (edge == PanelEdge::top || edge == PanelEdge::bottom)
        return {pointer.x(), strip.y(), 1, strip.height()};
    return {strip.x(), pointer.y(), strip.width(), 1};
}

// The space between the work area and the screen's edge, where a reserving panel sits.
QRect reservedStrip(PanelEdge edge, const QRect &screen, const QRect &available) {
    QRect strip = screen;
    switch (edge) {
    case PanelEdge::top:
        strip.setBottom(available.top() - 1);
        break;
    case PanelEdge::bottom:
        strip.setTop(available.bottom() + 1);
        break;
    case PanelEdge::left:
        strip.setRight(available.left() - 1);
        break;
    case PanelEdge::right:
        strip.setLeft(available.right() + 1);
        break;
    }
    return strip;
}

int distanceTo(PanelEdge edge, QPoint pointer, const QRect &screen) {
    switch (edge) {
    case PanelEdge::top:
        return pointer.y() - screen.top();
    case PanelEdge::bottom:
        return screen.bottom() - pointer.y();
    case PanelEdge::left:
        return pointer.x() - screen.left();
    case PanelEdge::right:
        break;
    }
    return screen.right() - pointer.x();
}

// The edge nearest to the pointer; in a corner, where the panel might run either way, the top or
// bottom one, where most panels are.
PanelEdge nearestEdge(QPoint pointer, const QRect &screen) {
    const auto nearer = [&](PanelEdge a, PanelEdge b) {
        return distanceTo(a, pointer, screen) <= distanceTo(b, pointer, screen) ? a : b;
    };
    const PanelEdge vertical = nearer(PanelEdge::top, PanelEdge::bottom);
    const PanelEdge horizontal = nearer(PanelEdge::left, PanelEdge::right);
    const int toVertical = distanceTo(vertical, pointer, screen);
    return toVertical <= panelReach || toVertical <= distanceTo(horizontal, pointer, screen)
               ? vertical
               : horizontal;
}

// A panel at `edge` holding an icon centred in it at the pointer: twice as thick as the pointer
// is far from the edge, at least as thick as a common panel. A pointer far from every edge is
// no click on a panel; it stands for itself.
QRect assumedStrip(QPoint pointer, PanelEdge edge, const QRect &screen) {
    const int distance = distanceTo(edge, pointer, screen);
    if (distance > panelReach)
        return {pointer, QSize(1, 1)};
    const int thickness = std::max(2 * distance + 1, commonPanel);
    QRect strip = screen;
    switch (edge) {
    case PanelEdge::top:
        strip.setHeight(thickness);
        break;
    case PanelEdge::bottom:
        strip.setTop(screen.bottom() + 1 - thickness);
        break;
    case PanelEdge::left:
        strip.setWidth(thickness);
        break;
    case PanelEdge::right:
        strip.setLeft(screen.right() + 1 - thickness);
        break;
    }
    return strip;
}
} // namespace

PanelEdge panelEdge(const QRect &icon, const QRect &screen, const QRect &available) {
    const QRect area = available.isValid() ? available : screen;
    if (icon.bottom() < area.top())
        return PanelEdge::top;
    if (icon.top() > area.bottom())
        return PanelEdge::bottom;
    if (icon.right() < area.left())
        return PanelEdge::left;
    if (icon.left() > area.right())
        return PanelEdge::right;
    const QPoint centre = icon.center();
    const int toTop = centre.y() - screen.top();
    const int toBottom = screen.bottom() - centre.y();
    const int toLeft = centre.x() - screen.left();
    const int toRight = screen.right() - centre.x();
    // A corner icon is as near to a side as to the top; only a clearly nearer side wins.
    if (std::min(toLeft, toRight) * 2 < std::min(toTop, toBottom))
        return toLeft <= toRight ? PanelEdge::left : PanelEdge::right;
    return toTop <= toBottom ? PanelEdge::top : PanelEdge::bottom;
}

QPoint menuPosition(const QRect &icon, const QRect &screen, const QRect &available,
                    QSize menuSize) {
    return menuBeside(icon, panelEdge(icon, screen, available), screen, menuSize);
}

QPoint menuBeside(const QRect &icon, PanelEdge edge, const QRect &screen, QSize menuSize) {
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    if (edge == PanelEdge::top || edge == PanelEdge::bottom)
        return {clampInto(icon.x(), menuSize.width(), screen.x(), screenRight),
                besideOnAxis(icon.y(), icon.y() + icon.height(), menuSize.height(), screen.y(),
                             screenBottom, edge == PanelEdge::top)};
    return {besideOnAxis(icon.x(), icon.x() + icon.width(), menuSize.width(), screen.x(),
                         screenRight, edge == PanelEdge::left),
            clampInto(icon.y(), menuSize.height(), screen.y(), screenBottom)};
}

PointerSpot pointerSpot(QPoint pointer, const std::optional<QRect> &window, const QRect &screen,
                        const QRect &available) {
    if (window) {
        const QRect strip = *window & screen;
        if (strip.contains(pointer)) {
            if (const std::optional<PanelEdge> edge = stripEdge(strip, screen))
                return {across(pointer, strip, *edge), *edge};
        }
    }
    if (available.isValid() && screen.contains(pointer) && !available.contains(pointer)) {
        const PanelEdge edge = panelEdge(QRect(pointer, QSize(1, 1)), screen, available);
        return {across(pointer, reservedStrip(edge, screen, available), edge), edge};
    }
    const PanelEdge edge = nearestEdge(pointer, screen);
    return {across(pointer, assumedStrip(pointer, edge, screen), edge), edge};
}
