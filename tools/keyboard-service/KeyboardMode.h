// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// How a keyboard's top row behaves. Only the first two are ever written; the others are what a
// driver may report on its own: a default it resolves per keyboard, a top row that sends function
// keys whatever is pressed, a layout of the driver's that is neither, or a value nobody knows.
enum class KeyboardMode { functionKeys, hardwareKeys, automatic, functionKeysOnly, other, unknown };

// The names used on the bus, in the state file and on the command line.
QString modeName(KeyboardMode mode);

// Only the two modes a caller may ask for; anything else (also "auto") is not a request.
std::optional<KeyboardMode> requestedMode(const QString &name);
