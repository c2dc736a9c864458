// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/ApplicationId.h"

#include <QList>

#include <algorithm>

namespace {

constexpr qsizetype longestId = 255;

} // namespace

// Code points, not UTF-16 units: a name outside the basic plane is as printable as any other.
QString usableApplicationId(const QString &id) {
    if (id.size() > longestId)
        return {};
    const QList<uint> points = id.toUcs4();
    const bool printable = std::all_of(points.cbegin(), points.cend(),
                                       [](uint point) { return QChar::isPrint(char32_t(point)); });
    return printable ? id : QString();
}
