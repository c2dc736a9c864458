// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>

struct NotificationContent {
    QString title;
    QString body;
};

struct NotificationRequest {
    // Unique per request, so that no request replaces an earlier one.
    QString identifier;
    NotificationContent content;
    // How long after the request the banner is shown.
    std::chrono::milliseconds trigger{0};
};

// The desktop's notification service.
class NotificationCenter {
public:
    virtual ~NotificationCenter() = default;

    // Asks once for permission to show banners with sound; the answer is not reported.
    virtual void requestAuthorization() = 0;
    // Shows the banner once its trigger interval has passed; a failure changes nothing else.
    virtual void add(const NotificationRequest &request) = 0;
};
