// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

// The pixel under the icon-space point `p` (y up, in points) as it appears when viewed.
inline QColor pixelAt(const QImage &image, QPointF p) {
    const qreal scale = image.devicePixelRatio();
    return image.pixelColor(int(p.x() * scale), int(image.height() - p.y() * scale));
}

inline int alphaAt(const QImage &image, QPointF p) {
    return pixelAt(image, p).alpha();
}
