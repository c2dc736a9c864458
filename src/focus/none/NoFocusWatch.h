// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "focus/FocusWatch.h"

// Stands in where the desktop offers no way of knowing the application in front: nothing is ever
// reported, and the reason says so.
class NoFocusWatch final : public FocusWatch {
    Q_OBJECT
public:
    explicit NoFocusWatch(QString reason, QObject *parent = nullptr);

    void start() override {}
    void stop() override {}
    QString application() const override { return {}; }
    QString unavailableReason() const override { return reason_; }

private:
    QString reason_;
};
