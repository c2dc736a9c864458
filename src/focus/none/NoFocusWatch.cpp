// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/none/NoFocusWatch.h"

NoFocusWatch::NoFocusWatch(QString reason, QObject *parent)
    : FocusWatch(parent), reason_(std::move(reason)) {}
