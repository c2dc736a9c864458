// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>

// Every number that shapes the icon and its animation. An aggregate, so callers may give any
// subset of fields with designated initialisers and keep the defaults for the rest.
struct IconStyle {
    struct Size {
        double width = 24;
        double height = 20;
    };

    Size size{};
    double cornerRadius = 6;
    double lineWidth = 1;
    double glyphPointSize = 13;
    double arrowPointSize = 13;
    double padding = 3;
    bool outlineUsesTemplateTint = true;
    bool fillUsesTemplateTint = true;
    double spinsPerSecond = 1;
    double frameRate = 30;
};

// A frame rate below one tick per second would make the timer interval unbounded.
inline double tickInterval(const IconStyle &style) {
    return 1.0 / std::max(style.frameRate, 1.0);
}

inline double degreesPerTick(const IconStyle &style) {
    return style.spinsPerSecond * 360.0 / std::max(style.frameRate, 1.0);
}
