#include "platform/MenuPlacement.h"

#include <gtest/gtest.h>

namespace {

const QRect screen(0, 0, 1024, 768);
const QSize menu(220, 160);

struct PlacementCase {
    const char *name;
    QRect icon;
    QRect screen;
    QRect available;
    QSize menu;
    PanelEdge edge;
    std::optional<QPoint> exact;
};

void PrintTo(const PlacementCase &c, std::ostream *os) {
    *os << c.name;
}

class MenuPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(MenuPlacement, OpensOnTheScreenBesideTheIcon) {
    const PlacementCase &c = GetParam();
    EXPECT_EQ(panelEdge(c.icon, c.screen, c.available), c.edge);
    const QRect placed(menuPosition(c.icon, c.screen, c.available, c.menu), c.menu);
    EXPECT_TRUE(c.screen.contains(placed)) << placed.x() << "," << placed.y();
    EXPECT_FALSE(placed.intersects(c.icon)) << placed.x() << "," << placed.y();
    if (c.exact) {
        EXPECT_EQ(placed.topLeft(), *c.exact);
    }
}

const QRect second(1024, 0, 1280, 1024);

INSTANTIATE_TEST_SUITE_P(
    Edges, MenuPlacement,
    ::testing::Values(
        // Below a top panel, three pixels under the icon, at its left edge.
        PlacementCase{"topMiddle",
                      {500, 0, 24, 28},
                      screen,
                      {0, 28, 1024, 740},
                      menu,
                      PanelEdge::top,
                      QPoint(500, 31)},
        // The right end of a top panel: shifted left onto the screen, still below.
        PlacementCase{"topRightCorner",
                      {1000, 2, 22, 24},
                      screen,
                      screen,
                      menu,
                      PanelEdge::top,
                      QPoint(804, 29)},
        // Above a bottom panel: the menu's bottom edge three pixels over the icon.
        PlacementCase{"bottomRightCorner",
                      {1000, 742, 22, 24},
                      screen,
                      screen,
                      menu,
                      PanelEdge::bottom,
                      QPoint(804, 742 - 3 - 160)},
        PlacementCase{"bottomReserved",
                      {10, 740, 24, 28},
                      screen,
                      {0, 0, 1024, 740},
                      menu,
                      PanelEdge::bottom,
                      QPoint(10, 577)},
        PlacementCase{"left",
                      {0, 370, 28, 24},
                      screen,
                      {28, 0, 996, 768},
                      menu,
                      PanelEdge::left,
                      QPoint(31, 370)},
        PlacementCase{"leftUnreserved",
                      {2, 372, 24, 24},
                      screen,
                      screen,
                      menu,
                      PanelEdge::left,
                      QPoint(29, 372)},
        PlacementCase{"rightNearBottom",
                      {996, 740, 28, 24},
                      screen,
                      {0, 0, 996, 768},
                      menu,
                      PanelEdge::right,
                      QPoint(996 - 3 - 220, 608)},
        // A click position from a notifier host, near the bottom: the menu opens above it.
        PlacementCase{"clickNearBottom",
                      {700, 760, 1, 1},
                      screen,
                      screen,
                      menu,
                      PanelEdge::bottom,
                      QPoint(700, 597)},
        // A menu too tall for the space under the icon goes above it.
        PlacementCase{"tooTallBelow",
                      {500, 600, 24, 24},
                      screen,
                      {0, 0, 1024, 600},
                      {200, 300},
                      PanelEdge::bottom,
                      QPoint(500, 297)},
        PlacementCase{"shortScreenTopPanel",
                      {500, 0, 24, 24},
                      {0, 0, 1024, 200},
                      {0, 24, 1024, 176},
                      {200, 150},
                      PanelEdge::top,
                      QPoint(500, 27)},
        // The second monitor of two: the menu stays on the icon's own screen.
        PlacementCase{"secondScreenTopLeft",
                      {1026, 0, 24, 24},
                      second,
                      {1024, 24, 1280, 1000},
                      menu,
                      PanelEdge::top,
                      QPoint(1026, 27)},
        PlacementCase{"secondScreenRight",
                      {2280, 500, 24, 24},
                      second,
                      second,
                      menu,
                      PanelEdge::right,
                      QPoint(2057, 500)}),
    [](const auto &param) { return std::string(param.param.name); });

} // namespace
