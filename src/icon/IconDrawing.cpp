// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "icon/IconDrawing.h"

#include <QPainterPath>
#include <QPen>
#include <QtMath>
#include <algorithm>

namespace {

const QString glyphDescription = QStringLiteral("Vantel");
const QString arrowsDescription = QStringLiteral("Working");

enum class Frame { outline, filled };

// A transparent image of the style's size with a painter set up for the icon's space. The one
// place where y-up points become QPainter's y-down pixels: everything drawn through `painter`
// lands where the icon's coordinates say when the image is viewed.
class Canvas {
public:
    Canvas(const IconStyle &style, qreal scale)
        : image_(std::max(1, qCeil(style.size.width * scale)),
                 std::max(1, qCeil(style.size.height * scale)),
                 QImage::Format_ARGB32_Premultiplied) {
        if (image_.isNull())
            return;
        image_.setDevicePixelRatio(scale);
        image_.fill(Qt::transparent);
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.translate(0, image_.height() / scale);
        painter_.scale(1, -1);
    }

    bool isActive() const { return painter_.isActive(); }
    QPainter &painter() { return painter_; }

    IconImage finish(bool isTemplate) {
        if (painter_.isActive())
            painter_.end();
        // An image that has been painted on keeps its paint engine, tens of kilobytes of
        // buffers, for as long as it lives; frames are kept for reuse, so they are kept as
        // copies without one.
        return {image_.copy(), isTemplate};
    }

private:
    QImage image_;
    QPainter painter_;
};

void drawFrame(QPainter &painter, const IconStyle &style, Frame frame) {
    QPainterPath path;
    if (frame == Frame::outline) {
        path.addRoundedRect(outlineRect(style), style.cornerRadius, style.cornerRadius);
        // Zero keeps Qt's thinnest line; a negative width has no meaning for a pen.
        QPen pen(Qt::black, std::max(style.lineWidth, 0.0), Qt::SolidLine, Qt::FlatCap,
                 Qt::MiterJoin);
        painter.strokePath(path, pen);
    } else {
        path.addRoundedRect(fillRect(style), style.cornerRadius, style.cornerRadius);
        painter.fillPath(path, Qt::black);
    }
}

QPainter::CompositionMode contentOperation(Frame frame) {
    return frame == Frame::outline ? QPainter::CompositionMode_SourceOver
                                   : QPainter::CompositionMode_DestinationOut;
}

bool templateFlag(const IconStyle &style, Frame frame) {
    return frame == Frame::outline ? style.outlineUsesTemplateTint : style.fillUsesTemplateTint;
}

bool hasNoSize(const ConfiguredSymbol &symbol) {
    return symbol.size.width() == 0 && symbol.size.height() == 0;
}

std::optional<Symbol> modeGlyph(const SymbolLibrary &symbols) {
    std::optional<Symbol> glyph = symbols.symbol(QStringLiteral("function"), glyphDescription);
    if (!glyph)
        glyph = symbols.symbol(QStringLiteral("fx"), glyphDescription);
    return glyph;
}

void paintSteady(QPainter &painter, const IconStyle &style, Frame frame, const Symbol &glyph,
                 const SymbolLibrary &symbols) {
    drawFrame(painter, style, frame);
    const auto configured = symbols.configured(glyph, style.glyphPointSize, SymbolWeight::regular);
    if (configured && !hasNoSize(*configured))
        drawSymbol(painter, *configured, contentOperation(frame),
                   aspectFitRect(configured->size, contentBox(style)));
}

void paintWorking(QPainter &painter, const IconStyle &style, Frame frame, double angle,
                  const SymbolLibrary &symbols) {
    drawFrame(painter, style, frame);
    const auto arrows =
        symbols.symbol(QStringLiteral("arrow.triangle.2.circlepath"), arrowsDescription);
    const auto configured =
        arrows ? symbols.configured(*arrows, style.arrowPointSize, SymbolWeight::regular)
               : std::nullopt;
    if (configured && !hasNoSize(*configured))
        drawRotated(painter, *configured, contentOperation(frame),
                    aspectFitRect(configured->size, contentBox(style)), angle);
}

// The mode glyph is looked up before anything is created, so without it there is no image.
std::optional<IconImage> steadyImage(const IconStyle &style, Frame frame, qreal scale,
                                     const SymbolLibrary &symbols) {
    const std::optional<Symbol> glyph = modeGlyph(symbols);
    if (!glyph)
        return std::nullopt;
    Canvas canvas(style, scale);
    if (canvas.isActive())
        paintSteady(canvas.painter(), style, frame, *glyph, symbols);
    return canvas.finish(templateFlag(style, frame));
}

// The frame comes first, so a missing arrow symbol still leaves the frame.
IconImage workingImage(const IconStyle &style, Frame frame, double angle, qreal scale,
                       const SymbolLibrary &symbols) {
    Canvas canvas(style, scale);
    if (canvas.isActive())
        paintWorking(canvas.painter(), style, frame, angle, symbols);
    return canvas.finish(templateFlag(style, frame));
}

} // namespace

bool paintIcon(QPainter &painter, const IconStyle &style, IconState state, double angle,
               const SymbolLibrary &symbols) {
    const Frame frame = static_cast<int>(state) & 1 ? Frame::filled : Frame::outline;
    if (isWorking(state)) {
        paintWorking(painter, style, frame, angle, symbols);
        return true;
    }
    const std::optional<Symbol> glyph = modeGlyph(symbols);
    if (!glyph)
        return false;
    paintSteady(painter, style, frame, *glyph, symbols);
    return true;
}

QRectF outlineRect(const IconStyle &style) {
    return {0.5, 0.5, style.size.width - 1, style.size.height - 1};
}

QRectF fillRect(const IconStyle &style) {
    return {0, 0, style.size.width, style.size.height};
}

QRectF contentBox(const IconStyle &style) {
    const double width = style.size.width - 2 * style.padding;
    const double height = style.size.height - 2 * style.padding;
    if (width < 0 || height < 0)
        return {style.size.width / 2, style.size.height / 2, 0, 0};
    return {style.padding, style.padding, width, height};
}

std::optional<IconImage> makeImage(const IconStyle &style, IconState state, double angle,
                                   qreal scale, const SymbolLibrary &symbols) {
    switch (state) {
    case IconState::off:
        return offImage(style, scale, symbols);
    case IconState::on:
        return onImage(style, scale, symbols);
    case IconState::workingFromOff:
        return workingFromOffImage(style, angle, scale, symbols);
    case IconState::workingFromOn:
        return workingFromOnImage(style, angle, scale, symbols);
    }
    return std::nullopt;
}

std::optional<IconImage> offImage(const IconStyle &style, qreal scale,
                                  const SymbolLibrary &symbols) {
    return steadyImage(style, Frame::outline, scale, symbols);
}

std::optional<IconImage> onImage(const IconStyle &style, qreal scale,
                                 const SymbolLibrary &symbols) {
    return steadyImage(style, Frame::filled, scale, symbols);
}

IconImage workingFromOffImage(const IconStyle &style, double angle, qreal scale,
                              const SymbolLibrary &symbols) {
    return workingImage(style, Frame::outline, angle, scale, symbols);
}

IconImage workingFromOnImage(const IconStyle &style, double angle, qreal scale,
                             const SymbolLibrary &symbols) {
    return workingImage(style, Frame::filled, angle, scale, symbols);
}

QRectF aspectFitRect(QSizeF contentSize, QRectF box) {
    const double imageAspect =
        std::max(contentSize.width(), 0.001) / std::max(contentSize.height(), 0.001);
    const double boxAspect = box.width() / std::max(box.height(), 0.001);
    double width = box.height() * imageAspect;
    double height = box.height();
    if (imageAspect > boxAspect) {
        width = box.width();
        height = box.width() / imageAspect;
    }
    return {box.center().x() - width * 0.5, box.center().y() - height * 0.5, width, height};
}

void drawSymbol(QPainter &painter, const ConfiguredSymbol &symbol,
                QPainter::CompositionMode operation, const QRectF &rect) {
    const QRectF &box = symbol.artworkBox;
    if (!painter.isActive() || box.width() <= 0 || box.height() <= 0 || rect.width() <= 0 ||
        rect.height() <= 0)
        return;
    painter.save();
    painter.setCompositionMode(operation);
    // The artwork is drawn y-down, so its top edge goes to the rectangle's upper side.
    painter.translate(rect.x(), rect.y() + rect.height());
    painter.scale(rect.width() / box.width(), -rect.height() / box.height());
    painter.translate(-box.x(), -box.y());
    painter.fillPath(symbol.artwork, Qt::black);
    painter.restore();
}

void drawRotated(QPainter &painter, const ConfiguredSymbol &symbol,
                 QPainter::CompositionMode operation, const QRectF &rect, double angle) {
    // Without a surface to draw on there is nothing to turn, nor anything to draw into.
    if (!painter.isActive())
        return;
    painter.save();
    painter.translate(rect.center());
    painter.rotate(angle);
    drawSymbol(painter, symbol, operation,
               QRectF(-rect.width() * 0.5, -rect.height() * 0.5, rect.width(), rect.height()));
    painter.restore();
}
