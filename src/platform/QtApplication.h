#pragma once

#include "Application.h"

#include <functional>

// The application object of a QApplication-based program.
class QtApplication final : public Application {
public:
    std::optional<InputEvent> currentEvent() const override { return current_; }
    void activateIgnoringOtherApps() override;
    void terminate() override;

    // Runs `action` with `event` as the current event, as the status item does for each click.
    void deliver(const InputEvent &event, const std::function<void()> &action);

private:
    std::optional<InputEvent> current_;
};
