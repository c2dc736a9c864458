// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "icon/IconState.h"
#include "icon/IconStyle.h"
#include "icon/SymbolLibrary.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <optional>

// One drawn icon. Template images are painted by the panel in its foreground colour, alpha kept.
struct IconImage {
    QImage image;
    bool isTemplate = false;
};

// Rectangles below are in the icon's own space: origin at the bottom-left, y up, in points.

// The outline's path; its 0.5 inset is fixed and does not follow the line width.
QRectF outlineRect(const IconStyle &style);
QRectF fillRect(const IconStyle &style);
// The image inset by the padding; an empty rectangle at the centre when the padding leaves
// nothing.
QRectF contentBox(const IconStyle &style);

// The image for `state`; `angle` (degrees, counter-clockwise positive) turns the arrows of the
// working states. `scale` is the device pixel ratio to render for.
std::optional<IconImage> makeImage(const IconStyle &style, IconState state, double angle,
                                   qreal scale = 1,
                                   const SymbolLibrary &symbols = builtInSymbols());
// Outline and glyph; none when the library has neither mode glyph.
std::optional<IconImage> offImage(const IconStyle &style, qreal scale = 1,
                                  const SymbolLibrary &symbols = builtInSymbols());
// Filled frame with the glyph cut out; none when the library has neither mode glyph.
std::optional<IconImage> onImage(const IconStyle &style, qreal scale = 1,
                                 const SymbolLibrary &symbols = builtInSymbols());
// Outline with the arrows at `angle`; the frame alone when the arrows are missing.
IconImage workingFromOffImage(const IconStyle &style, double angle, qreal scale = 1,
                              const SymbolLibrary &symbols = builtInSymbols());
// Filled frame with the arrows at `angle` cut out; the frame alone when the arrows are missing.
IconImage workingFromOnImage(const IconStyle &style, double angle, qreal scale = 1,
                             const SymbolLibrary &symbols = builtInSymbols());

// Paints the picture of `state` with `painter`, which is already set up for the icon's y-up
// space: the one drawing behind every form of the icon. False, with nothing painted, when the
// library has neither mode glyph for a steady state.
bool paintIcon(QPainter &painter, const IconStyle &style, IconState state, double angle,
               const SymbolLibrary &symbols = builtInSymbols());

// The largest rectangle of `contentSize`'s aspect centred in `box`.
QRectF aspectFitRect(QSizeF contentSize, QRectF box);

// Draws `symbol` into `rect` turned by `angle` degrees about the rectangle's centre, on a
// painter already set up for the icon's y-up space.
void drawRotated(QPainter &painter, const ConfiguredSymbol &symbol,
                 QPainter::CompositionMode operation, const QRectF &rect, double angle);
// The same without turning.
void drawSymbol(QPainter &painter, const ConfiguredSymbol &symbol,
                QPainter::CompositionMode operation, const QRectF &rect);
