// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "AppIcon.h"

#include "icon/IconDrawing.h"
#include "icon/IconShape.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QtMath>
#include <algorithm>

namespace {

// Launchers put icons side by side; a thin margin keeps neighbours from touching.
constexpr double coverage = 15.0 / 16.0;

double scaleFor(const IconStyle &style, double side) {
    return side * coverage / std::max(style.size.width, style.size.height);
}

} // namespace

QColor appIconColor() {
    return QColor(0x2f, 0x6d, 0xb0);
}

QImage appIconImage(int pixels) {
    const IconStyle style;
    const auto drawn = onImage(style, scaleFor(style, pixels));
    if (!drawn || pixels <= 0)
        return {};
    QImage art = drawn->image;
    art.setDevicePixelRatio(1);

    QImage icon(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.drawImage(QPoint((pixels - art.width()) / 2, (pixels - art.height()) / 2), art);
    // The drawing is a template: its coverage is kept and takes the icon's colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(icon.rect(), appIconColor());
    return icon;
}

QPainterPath appIconShape() {
    return iconShape(IconStyle{}, IconState::on, 0).value_or(QPainterPath());
}

QByteArray appIconSvg(int side) {
    const QPainterPath shape = appIconShape();
    if (shape.isEmpty() || side <= 0)
        return {};
    const IconStyle style;
    const double scale = scaleFor(style, side);

    QBuffer buffer;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(side, side));
    generator.setViewBox(QRect(0, 0, side, side));
    generator.setTitle(QStringLiteral("Vantel"));
    QPainter painter(&generator);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((side - style.size.width * scale) / 2,
                      (side - style.size.height * scale) / 2);
    painter.scale(scale, scale);
    painter.fillPath(shape, appIconColor());
    painter.end();
    return buffer.data();
}
