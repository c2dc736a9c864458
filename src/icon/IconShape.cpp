// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "icon/IconShape.h"

#include "icon/IconDrawing.h"
#include "icon/ShapeRecorder.h"

#include <QPainter>

#include <cmath>

std::optional<QPainterPath> iconShape(const IconStyle &style, IconState state, double angle,
                                      const SymbolLibrary &symbols) {
    ShapeRecorder recorder(QSize(std::max(1, int(std::ceil(style.size.width))),
                                 std::max(1, int(std::ceil(style.size.height)))));
    QPainter painter(&recorder);
    // The same flip into the icon's y-up space as the pixel images get.
    painter.translate(0, style.size.height);
    painter.scale(1, -1);
    const bool painted = paintIcon(painter, style, state, angle, symbols);
    painter.end();
    if (!painted)
        return std::nullopt;
    return recorder.shape().simplified();
}
