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

    std::vector<bool> applied;
    KeyboardReport reported;

private:
    Journal *journal_;
};
