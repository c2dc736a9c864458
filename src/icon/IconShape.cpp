#include "IconShape.h"

#include "IconDrawing.h"

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

QString number(qreal value) {
    // Thousandths of a point are far below what any panel shows.
    return QString::number(std::round(value * 1000.0) / 1000.0, 'g', 10);
}

QString pathData(const QPainterPath &shape) {
    QString data;
    for (int i = 0; i < shape.elementCount(); ++i) {
        const QPainterPath::Element e = shape.elementAt(i);
        if (e.isMoveTo()) {
            data += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            data += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo() && i + 2 < shape.elementCount()) {
            const QPainterPath::Element c2 = shape.elementAt(i + 1);
            const QPainterPath::Element end = shape.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                        .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                             number(end.y));
            i += 2;
        }
    }
    return data;
}

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

QByteArray symbolicSvg(const QPainterPath &shape, IconStyle::Size size, const QColor &color) {
    const QString hex = color.name(QColor::HexRgb);
    const QString rule =
        shape.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero") : QStringLiteral("evenodd");
    // The colour sits in a presentation attribute, the weakest kind of style, so that a host's
    // own stylesheet for the class wins over it.
    const QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                       "viewBox=\"0 0 %1 %2\" color=\"%3\">\n"
                       "<style id=\"current-color-scheme\" type=\"text/css\">"
                       ".ColorScheme-Text { color:%3; }</style>\n"
                       "<path class=\"ColorScheme-Text\" fill=\"currentColor\" "
                       "fill-rule=\"%4\" d=\"%5\"/>\n</svg>\n")
            .arg(number(size.width), number(size.height), hex, rule, pathData(shape));
    return svg.toUtf8();
}
