#include "platform/TintedPixmaps.h"

#include "platform/Tint.h"

QPixmap TintedPixmaps::pixmap(const QImage &image, const QColor &color) {
    // An image's cache key names its pixels: the frames handed out again share them.
    const QPair<qint64, QRgb> key(image.cacheKey(), color.rgba());
    if (const auto kept = pixmaps_.constFind(key); kept != pixmaps_.constEnd())
        return *kept;
    if (pixmaps_.size() >= capacity)
        pixmaps_.clear();
    ++paintCount_;
    QPixmap painted = QPixmap::fromImage(tinted(image, color));
    pixmaps_.insert(key, painted);
    return painted;
}
