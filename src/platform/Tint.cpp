#include "platform/Tint.h"

#include <QPainter>

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
