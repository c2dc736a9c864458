// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// One spinning frame, as the controller makes it on every tick (the image at 1x and at 2x),
// against the least that plain QPainter calls need for the same primitives. The ratio is what
// the symbol lookup, the fallbacks and the drawing helpers cost on top.
#include "RatioReporter.h"
#include "icon/IconDrawing.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr double frameAngle = -36;

void BM_SpinningFrame(benchmark::State &state) {
    IconStyle style;
    style.spinsPerSecond = -1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(workingFromOffImage(style, frameAngle, 1));
        benchmark::DoNotOptimize(workingFromOffImage(style, frameAngle, 2));
    }
}

QImage referenceFrame(const QPainterPath &arrows, const QRectF &arrowsBox, qreal scale) {
    QImage image(int(24 * scale), int(20 * scale), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, 20);
    painter.scale(1, -1);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0.5, 0.5, 23, 19), 6, 6);
    painter.strokePath(frame, QPen(Qt::black, 1));
    const QRectF fitted(3.5, 3, 17, 14); // about where the fit puts the arrows
    painter.translate(fitted.center());
    painter.rotate(frameAngle);
    painter.translate(-fitted.width() / 2, fitted.height() / 2);
    painter.scale(fitted.width() / arrowsBox.width(), -fitted.height() / arrowsBox.height());
    painter.translate(-arrowsBox.topLeft());
    painter.fillPath(arrows, Qt::black);
    return image;
}

void BM_PlainQPainterFrame(benchmark::State &state) {
    const auto arrows = builtInSymbols().symbol(QStringLiteral("arrow.triangle.2.circlepath"),
                                                QStringLiteral("Working"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(referenceFrame(arrows->artwork, arrows->artworkBox, 1));
        benchmark::DoNotOptimize(referenceFrame(arrows->artwork, arrows->artworkBox, 2));
    }
}

BENCHMARK(BM_SpinningFrame)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_PlainQPainterFrame)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

} // namespace

int main(int argc, char **argv) {
    // Raster images and paths need no GUI application; a core one is enough.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_SpinningFrame", "BM_PlainQPainterFrame",
                           "spinning frame (1x + 2x) / plain QPainter", "at most 1.3x");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
