#include "icon/IconShape.h"

#include "icon/IconDrawing.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace {

// A paint engine that keeps what would be covered instead of pixels: painting over adds to the
// shape, painting with destination-out removes from it. It claims every feature, so QPainter
// hands over untransformed paths together with the state to apply to them.
class ShapeRecorder final : public QPaintEngine {
public:
    ShapeRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &changed) override {
        pen_ = changed.pen();
        brush_ = changed.brush();
        transform_ = changed.transform();
        mode_ = changed.compositionMode();
    }

    void drawPath(const QPainterPath &path) override {
        QPainterPath covered;
        if (brush_.style() != Qt::NoBrush)
            covered = path;
        if (pen_.style() != Qt::NoPen) {
            QPainterPathStroker stroker(pen_);
            covered = covered.united(stroker.createStroke(path));
        }
        covered = transform_.map(covered);
        shape_ = mode_ == QPainter::CompositionMode_DestinationOut ? shape_.subtracted(covered)
                                                                   : shape_.united(covered);
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode != PolylineMode)
            path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        drawPath(path);
    }

    // The icon is drawn from paths only.
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    QPainterPath shape_;

private:
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    QPainter::CompositionMode mode_ = QPainter::CompositionMode_SourceOver;
};

class ShapeDevice final : public QPaintDevice {
public:
    ShapeDevice(int width, int height) : width_(width), height_(height) {}
    ~ShapeDevice() override = default;

    QPaintEngine *paintEngine() const override { return &recorder_; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return width_;
        case PdmHeight:
            return height_;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 72;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

    mutable ShapeRecorder recorder_;

private:
    int width_;
    int height_;
};

} // namespace

std::optional<QPainterPath> iconShape(const IconStyle &style, IconState state, double angle,
                                      const SymbolLibrary &symbols) {
    ShapeDevice device(std::max(1, int(std::ceil(style.size.width))),
                       std::max(1, int(std::ceil(style.size.height))));
    QPainter painter(&device);
    // The same flip into the icon's y-up space as the pixel images get.
    painter.translate(0, style.size.height);
    painter.scale(1, -1);
    const bool painted = paintIcon(painter, style, state, angle, symbols);
    painter.end();
    if (!painted)
        return std::nullopt;
    return device.recorder_.shape_.simplified();
}
