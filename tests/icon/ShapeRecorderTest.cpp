// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "icon/ShapeRecorder.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct RecordCase {
    const char *name;
    void (*paint)(QPainter &);
    QPointF inside;
    QPointF outside;
};

const RecordCase recordCases[] = {
    {"fill", [](QPainter &p) { p.fillRect(QRectF(2, 2, 4, 4), Qt::black); }, {3, 3}, {7, 7}},
    {"transformed",
     [](QPainter &p) {
         p.translate(10, 0);
         p.scale(2, 2);
         p.fillRect(QRectF(0, 0, 2, 2), Qt::black);
     },
     {13, 3},
     {3, 3}},
    {"cutAway",
     [](QPainter &p) {
         p.fillRect(QRectF(0, 0, 10, 10), Qt::black);
         p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
         p.fillRect(QRectF(4, 4, 2, 2), Qt::black);
     },
     {1, 1},
     {5, 5}},
    {"stroked",
     [](QPainter &p) {
         p.setPen(QPen(Qt::black, 2));
         p.drawLine(QPointF(0, 5), QPointF(10, 5));
     },
     {5, 5.8},
     {5, 7}},
};

class ShapeRecorderTest : public testing::TestWithParam<RecordCase> {};

TEST_P(ShapeRecorderTest, KeepsThePaintedArea) {
    ShapeRecorder recorder(QSize(20, 20));
    QPainter painter(&recorder);
    GetParam().paint(painter);
    painter.end();
    EXPECT_TRUE(recorder.shape().contains(GetParam().inside));
    EXPECT_FALSE(recorder.shape().contains(GetParam().outside));
}

INSTANTIATE_TEST_SUITE_P(Cases, ShapeRecorderTest, testing::ValuesIn(recordCases),
                         [](const auto &param) { return std::string(param.param.name); });

} // namespace
