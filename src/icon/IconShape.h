// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "icon/IconState.h"
#include "icon/IconStyle.h"
#include "icon/SymbolLibrary.h"

#include <QPainterPath>

#include <optional>

// The picture of `state` as one filled shape, in the image's own coordinates as it is viewed
// (origin top-left, y down, points): strokes become their outlines, cut-outs are subtracted.
// Made by the same drawing as the pixel images, so both forms show the same icon. None when the
// library has neither mode glyph for a steady state.
std::optional<QPainterPath> iconShape(const IconStyle &style, IconState state, double angle,
                                      const SymbolLibrary &symbols = builtInSymbols());
