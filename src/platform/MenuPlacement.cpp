#include "platform/MenuPlacement.h"

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
    const PanelEdge edge = panelEdge(icon, screen, available);
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
