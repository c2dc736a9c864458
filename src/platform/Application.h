#pragma once

#include <optional>

// A click on the status item, as the click handler sees it.
struct InputEvent {
    enum class Type { leftMouseUp, rightMouseUp };
    Type type = Type::leftMouseUp;
    bool controlHeld = false;
};

// The running application as the delegate sees it.
class Application {
public:
    virtual ~Application() = default;

    // The click being delivered right now; none outside a delivery.
    virtual std::optional<InputEvent> currentEvent() const = 0;
    // Brings the program in front of whatever application is active.
    virtual void activateIgnoringOtherApps() = 0;
    // Ends the run: the about-to-quit handlers run, then the event loop returns.
    virtual void terminate() = 0;
};
