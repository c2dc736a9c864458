#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPair>
#include <QPixmap>

// Template pictures painted in a colour, each made once per picture and colour. The pictures of
// a spin come round again every second, so after the first turn a frame costs a lookup.
class TintedPixmaps {
public:
    // `image` painted in `color` (its alpha kept), as a pixmap for the panel.
    QPixmap pixmap(const QImage &image, const QColor &color);
    // How many pixmaps have been painted so far.
    int paintCount() const { return paintCount_; }

private:
    // Enough for every frame of both spins at two scales in two colours; a colour that keeps
    // changing would otherwise grow it for ever.
    static constexpr int capacity = 512;

    QHash<QPair<qint64, QRgb>, QPixmap> pixmaps_;
    int paintCount_ = 0;
};
