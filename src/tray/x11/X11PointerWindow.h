// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

#include <optional>

// The geometry of the desktop's top-level window under the pointer (a panel, when the pointer
// is on one), in the application's coordinates. None when the application does not run on X11
// or the pointer is over the bare root window.
std::optional<QRect> topLevelWindowUnderPointer();
