// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/MenuPlacement.h"

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

// A notifier host's click: only the pointer is known; the menu must clear the real icon.
struct PointerCase {
    const char *name;
    QPoint pointer;
    std::optional<QRect> window;
    QRect available;
    QRect icon;
    PanelEdge edge;
};

void PrintTo(const PointerCase &c, std::ostream *os) {
    *os << c.name;
}

class PointerPlacement : public ::testing::TestWithParam<PointerCase> {};

TEST_P(PointerPlacement, OpensBesideThePanelUnderThePointer) {
    const PointerCase &c = GetParam();
    const PointerSpot spot = pointerSpot(c.pointer, c.window, screen, c.available);
    EXPECT_EQ(spot.edge, c.edge);
    const QRect placed(menuBeside(spot.icon, spot.edge, screen, menu), menu);
    EXPECT_TRUE(screen.contains(placed)) << placed.x() << "," << placed.y();
    EXPECT_FALSE(placed.intersects(c.icon)) << placed.x() << "," << placed.y();
    EXPECT_FALSE(placed.contains(c.pointer));
}

const QRect bottomPanel(0, 740, 1024, 28);
const QRect topPanel(0, 0, 1024, 28);

INSTANTIATE_TEST_SUITE_P(
    Pointer, PointerPlacement,
    ::testing::Values(
        // The icon's lowest row clicked on a bottom panel that reserves nothing.
        PointerCase{"bottomPanelLowRow",
                    {700, 765},
                    bottomPanel,
                    screen,
                    {690, 743, 22, 22},
                    PanelEdge::bottom},
        PointerCase{"bottomPanelCorner",
                    {1020, 750},
                    bottomPanel,
                    screen,
                    {1000, 743, 22, 22},
                    PanelEdge::bottom},
        PointerCase{
            "topPanelCorner", {1015, 3}, topPanel, screen, {1000, 3, 22, 22}, PanelEdge::top},
        PointerCase{"leftPanelLow",
                    {10, 760},
                    QRect(0, 0, 28, 768),
                    screen,
                    {3, 740, 22, 22},
                    PanelEdge::left},
        // No window known (Wayland): the work area tells the strip.
        PointerCase{"bottomReserved",
                    {1020, 766},
                    std::nullopt,
                    {0, 0, 1024, 720},
                    {1000, 723, 22, 45},
                    PanelEdge::bottom},
        PointerCase{"rightReserved",
                    {1010, 384},
                    std::nullopt,
                    {0, 0, 996, 768},
                    {996, 370, 28, 28},
                    PanelEdge::right},
        // Nothing known: a common panel at the nearest edge.
        PointerCase{"bottomUnknown",
                    {700, 764},
                    std::nullopt,
                    screen,
                    {690, 742, 22, 22},
                    PanelEdge::bottom},
        PointerCase{"cornerUnknown",
                    {1020, 750},
                    std::nullopt,
                    screen,
                    {1002, 740, 22, 24},
                    PanelEdge::bottom},
        // An ordinary window under a pointer far from the edges is no panel.
        PointerCase{"midScreenWindow",
                    {500, 400},
                    QRect(0, 0, 1024, 740),
                    screen,
                    {500, 400, 1, 1},
                    PanelEdge::bottom}),
    [](const auto &param) { return std::string(param.param.name); });

} // namespace
