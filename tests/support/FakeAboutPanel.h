// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/AboutPanel.h"
#include "support/Journal.h"

#include <vector>

// Keeps the options of every showing instead of opening a window.
class FakeAboutPanel final : public AboutPanel {
public:
    explicit FakeAboutPanel(Journal *journal = nullptr) : journal_(journal) {}

    void orderFront(const AboutPanelOptions &options) override {
        note(journal_, "orderFront");
        shown.push_back(options);
    }

    std::vector<AboutPanelOptions> shown;

private:
    Journal *journal_;
};
