// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/NotificationCenter.h"
#include "support/Journal.h"

#include <vector>

// Keeps every request instead of showing it.
class FakeNotificationCenter final : public NotificationCenter {
public:
    explicit FakeNotificationCenter(Journal *journal = nullptr) : journal_(journal) {}

    void requestAuthorization() override { note(journal_, "requestAuthorization"); }
    void add(const NotificationRequest &request) override { requests.push_back(request); }

    std::vector<NotificationRequest> requests;

private:
    Journal *journal_;
};
