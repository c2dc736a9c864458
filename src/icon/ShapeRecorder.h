// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPaintDevice>
#include <QPainterPath>
#include <QSize>
#include <memory>

class ShapeEngine;

// A paint device that keeps only the area painted on it, as one path in its own coordinates.
// Painting adds to the area and DestinationOut cuts away from it, so drawing code written for
// images can be turned into a vector outline without a second copy of that code.
class ShapeRecorder : public QPaintDevice {
public:
    explicit ShapeRecorder(QSize size);
    ~ShapeRecorder() override;

    // Everything painted so far; fills and pen strokes alike.
    QPainterPath shape() const;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    std::unique_ptr<ShapeEngine> engine_;
};
