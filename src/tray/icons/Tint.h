// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>

// `image` painted in `color`: every pixel keeps its coverage (alpha), its colour becomes
// `color`. This is how a template image takes the panel's foreground colour. The device pixel
// ratio is kept.
QImage tinted(const QImage &image, const QColor &color);

// How wide the contrasting edge around the icon's marks is, in points.
inline constexpr qreal tintEdgeWidth = 1;

// `image` painted in `color` and ringed by an edge `width` points wide in `edge`, so that its
// marks stand out on dark and light panels alike. The image grows by the edge on every side, so
// that the ring around the frame is not cut off; the device pixel ratio is kept.
QImage tintedWithEdge(const QImage &image, const QColor &color, const QColor &edge,
                      qreal width = tintEdgeWidth);
