// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "focus/FocusWatch.h"

// The application in front as the test says; unavailable until the test names a reason empty.
class FakeFocusWatch final : public FocusWatch {
    Q_OBJECT
public:
    explicit FakeFocusWatch(QString reason = QStringLiteral("no focus in tests"))
        : reason_(std::move(reason)) {}

    void start() override { ++starts; }
    void stop() override { ++stops; }
    QString application() const override { return application_; }
    QString unavailableReason() const override { return reason_; }

    // Brings `application` to the front, as a desktop tells it.
    void focus(const QString &application) {
        application_ = application;
        emit applicationChanged(application);
    }
    void setUnavailableReason(const QString &reason) {
        reason_ = reason;
        emit availabilityChanged();
    }

    int starts = 0;
    int stops = 0;

private:
    QString application_;
    QString reason_;
};
