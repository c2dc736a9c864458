// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "icon/SymbolLibrary.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace {

// Artwork is laid out at this many units per point, large enough that the boolean path
// operations flatten the curves finely.
constexpr double unitsPerPoint = 100;
// The regular weight's stroke, as a share of one point of symbol size.
constexpr double regularStroke = 10.5;

QPainterPath stroked(const QPainterPath &centreLine, Qt::PenCapStyle cap) {
    QPainterPathStroker stroker;
    stroker.setWidth(regularStroke);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine);
}

// The italic function sign: a slanted stem hooked at both ends, crossed near the top.
QPainterPath functionSignLines() {
    QPainterPath lines;
    lines.moveTo(78, 12);
    lines.cubicTo(73, 2, 58, 0, 53, 14);
    lines.lineTo(31, 84);
    lines.cubicTo(27, 98, 11, 100, 5, 89);
    lines.moveTo(26, 37);
    lines.lineTo(70, 37);
    return lines;
}

QPainterPath functionArtwork() {
    return stroked(functionSignLines(), Qt::RoundCap).simplified();
}

QPainterPath fxArtwork() {
    QPainterPath lines = functionSignLines();
    lines.moveTo(78, 48);
    lines.lineTo(114, 92);
    lines.moveTo(114, 48);
    lines.lineTo(78, 92);
    return stroked(lines, Qt::RoundCap).simplified();
}

// One arc of the circle path with its arrowhead, in the artwork's y-down space. The arc runs
// clockwise as seen from `startDegrees` (counter-clockwise from three o'clock) for 140 degrees.
QPainterPath arrowArc(double startDegrees) {
    constexpr double radius = 40;
    constexpr double sweep = 140;
    constexpr double headHalfWidth = 19;
    constexpr double headLength = 23;
    const QRectF circle(-radius, -radius, 2 * radius, 2 * radius);

    QPainterPath arc;
    arc.arcMoveTo(circle, startDegrees);
    arc.arcTo(circle, startDegrees, -sweep);
    QPainterPath shape = stroked(arc, Qt::FlatCap);

    // The head sits across the arc's end and points along clockwise travel as seen.
    const double end = qDegreesToRadians(startDegrees - sweep);
    const QPointF across(std::cos(end), -std::sin(end));
    const QPointF ahead(std::sin(end), std::cos(end));
    const QPointF base = across * radius;
    QPolygonF head;
    head << base + across * headHalfWidth << base + ahead * headLength
         << base - across * headHalfWidth << base + across * headHalfWidth;
    QPainterPath headPath;
    headPath.addPolygon(head);
    return shape.united(headPath);
}

QPainterPath arrowsArtwork() {
    return arrowArc(165).united(arrowArc(345)).simplified();
}

Symbol makeSymbol(const QString &name, const QString &description, const QPainterPath &artwork) {
    const QRectF box = artwork.boundingRect();
    return {name, description, artwork, box, box.size() / unitsPerPoint};
}

} // namespace

std::optional<Symbol> BuiltInSymbolLibrary::symbol(const QString &name,
                                                   const QString &description) const {
    // Built once: the artwork never changes, and each lookup hands out a shared copy.
    static const QPainterPath function = functionArtwork();
    static const QPainterPath fx = fxArtwork();
    static const QPainterPath arrows = arrowsArtwork();

    if (name == QLatin1String("function"))
        return makeSymbol(name, description, function);
    if (name == QLatin1String("fx"))
        return makeSymbol(name, description, fx);
    if (name == QLatin1String("arrow.triangle.2.circlepath"))
        return makeSymbol(name, description, arrows);
    return std::nullopt;
}

std::optional<ConfiguredSymbol>
BuiltInSymbolLibrary::configured(const Symbol &symbol, double pointSize, SymbolWeight) const {
    return ConfiguredSymbol{symbol.artwork, symbol.artworkBox, symbol.sizePerPoint * pointSize};
}

const SymbolLibrary &builtInSymbols() {
    static const BuiltInSymbolLibrary library;
    return library;
}
