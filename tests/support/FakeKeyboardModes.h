// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboards/KeyboardModes.h"
#include "support/Journal.h"

#include <vector>

// Records every request instead of asking a service, and reports what the test sets.
class FakeKeyboardModes final : public KeyboardModes {
public:
    explicit FakeKeyboardModes(Journal *journal = nullptr) : journal_(journal) {}

    void apply(bool fnState) override {
        note(journal_, "applyKeyboards");
        applied.push_back(fnState);
    }
    KeyboardReport report() const override { return reported; }
    void followKeyboards(std::function<void(bool)> changed) override {
        changedByKeyboard = std::move(changed);
    }

    std::vector<bool> applied;
    KeyboardReport reported;
    // Stands for the keyboard's own Fn+Esc once the program follows the keyboards.
    std::function<void(bool)> changedByKeyboard;

private:
    Journal *journal_;
};
