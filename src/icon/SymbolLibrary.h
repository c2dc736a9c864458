// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>

// Stroke weights a symbol can be requested at; the icon only ever asks for the regular one.
enum class SymbolWeight { regular };

// A symbol found by name, before it is given a point size.
struct Symbol {
    QString name;
    // What assistive tools read out for the symbol.
    QString accessibilityDescription;
    // Filled outline in the artwork's own units, y down as it is drawn on paper.
    QPainterPath artwork;
    // The part of the artwork space that the symbol's natural size covers.
    QRectF artworkBox;
    // Natural size in points for each point of requested size.
    QSizeF sizePerPoint;
};

// A symbol at a requested point size and weight: what gets drawn into the icon.
struct ConfiguredSymbol {
    QPainterPath artwork;
    QRectF artworkBox;
    // Natural size at the requested point size, in points.
    QSizeF size;
};

// Named vector symbols the icon draws. The program uses the built-in one; tests substitute
// their own to reach the paths where a symbol is missing.
class SymbolLibrary {
public:
    virtual ~SymbolLibrary() = default;

    // The symbol called `name`, labelled with `description`; none when the name is unknown.
    virtual std::optional<Symbol> symbol(const QString &name, const QString &description) const = 0;
    // `symbol` at `pointSize` and `weight`; none when the library cannot produce that variant.
    virtual std::optional<ConfiguredSymbol> configured(const Symbol &symbol, double pointSize,
                                                       SymbolWeight weight) const = 0;
};

// The artwork the program ships: "function", "fx" and "arrow.triangle.2.circlepath".
class BuiltInSymbolLibrary : public SymbolLibrary {
public:
    std::optional<Symbol> symbol(const QString &name, const QString &description) const override;
    std::optional<ConfiguredSymbol> configured(const Symbol &symbol, double pointSize,
                                               SymbolWeight weight) const override;
};

// The one shared built-in library; it holds no state beyond its artwork.
const SymbolLibrary &builtInSymbols();
