// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "icon/ShapeRecorder.h"

#include <QPaintEngine>
#include <QPainterPathStroker>

// Qt hands a custom engine untransformed primitives plus the state to apply, because it
// claims every feature; nothing is rasterised on the way.
class ShapeEngine : public QPaintEngine {
public:
    ShapeEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &changed) override {
        const auto dirty = changed.state();
        if (dirty & DirtyTransform)
            transform_ = changed.transform();
        if (dirty & DirtyCompositionMode)
            mode_ = changed.compositionMode();
        if (dirty & DirtyPen)
            pen_ = changed.pen();
        if (dirty & DirtyBrush)
            brush_ = changed.brush();
    }

    void drawPath(const QPainterPath &path) override {
        QPainterPath area;
        if (brush_.style() != Qt::NoBrush)
            area = path;
        if (pen_.style() != Qt::NoPen) {
            QPainterPathStroker stroker(pen_);
            area = area.united(stroker.createStroke(path));
        }
        record(transform_.map(area));
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode != PolylineMode)
            path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        drawPath(path);
    }

    // Images carry no outline to keep; the icon is drawn from paths only.
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    QPainterPath shape;

private:
    void record(const QPainterPath &area) {
        if (mode_ == QPainter::CompositionMode_DestinationOut)
            shape = shape.subtracted(area);
        else
            shape = shape.united(area);
    }

    QTransform transform_;
    QPainter::CompositionMode mode_ = QPainter::CompositionMode_SourceOver;
    QPen pen_;
    QBrush brush_;
};

ShapeRecorder::ShapeRecorder(QSize size) : size_(size), engine_(std::make_unique<ShapeEngine>()) {}

ShapeRecorder::~ShapeRecorder() = default;

QPainterPath ShapeRecorder::shape() const {
    return engine_->shape;
}

QPaintEngine *ShapeRecorder::paintEngine() const {
    return engine_.get();
}

int ShapeRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return size_.width();
    case PdmHeight:
        return size_.height();
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 72;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    case PdmWidthMM:
        return qRound(size_.width() * 25.4 / 72);
    case PdmHeightMM:
        return qRound(size_.height() * 25.4 / 72);
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return 0;
    default:
        return QPaintDevice::metric(metric);
    }
}
