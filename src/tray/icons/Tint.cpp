// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/icons/Tint.h"

#include <QPainter>

#include <cmath>

QImage tinted(const QImage &image, const QColor &color) {
    if (image.isNull())
        return image;
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    // Source-in scales the colour by the alpha already there and drops the old colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(0, 0), result.deviceIndependentSize()), color);
    painter.end();
    // The copy leaves the paint engine and its buffers behind: panels' pictures are kept.
    return result.copy();
}

namespace {

// `image`'s coverage in `color`, at one pixel a point.
QImage painted(const QImage &image, const QColor &color) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(1);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), color);
    painter.end();
    return result;
}

} // namespace

QImage tintedWithEdge(const QImage &image, const QColor &color, const QColor &edge, qreal width) {
    if (image.isNull())
        return image;
    const qreal ratio = image.devicePixelRatio();
    const qreal radius = std::max(width, 0.0) * ratio;
    const int margin = int(std::ceil(radius));
    QImage result(image.width() + 2 * margin, image.height() + 2 * margin,
                  QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    const QImage ring = painted(image, edge);
    const QImage marks = painted(image, color);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The marks shifted every way by the edge's width cover the ring; sixteen directions keep
    // it round at the sizes panels show.
    if (margin > 0) {
        constexpr int directions = 16;
        for (int i = 0; i < directions; ++i) {
            const qreal angle = 2 * M_PI * i / directions;
            painter.drawImage(
                QPointF(margin + radius * std::cos(angle), margin + radius * std::sin(angle)),
                ring);
        }
    }
    painter.drawImage(QPoint(margin, margin), marks);
    painter.end();
    result.setDevicePixelRatio(ratio);
    // The copy leaves the paint engine and its buffers behind: panels' pictures are kept.
    return result.copy();
}
