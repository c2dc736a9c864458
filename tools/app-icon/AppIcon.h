// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainterPath>

// The application's icon for menus, launchers and software centres: the panel icon's "function
// keys" picture, drawn by the panel icon's own code, in one colour, centred on a square.

// Dark enough for light backgrounds, light enough to stand out on dark ones.
QColor appIconColor();

// The icon at `pixels` × `pixels`; null when the panel icon cannot be drawn.
QImage appIconImage(int pixels);

// The painted area of the panel icon's picture in its own point space (y down, as viewed).
QPainterPath appIconShape();

// The icon as an SVG document of `side` × `side` user units; empty when there is no shape.
QByteArray appIconSvg(int side);
