#pragma once

#include <functional>
#include <memory>
#include <utility>

// Carries a closure through the event manager's untyped user data. The manager never owns the
// box; shared_from_this lets the handler keep it alive for the length of one call.
class CallbackBox : public std::enable_shared_from_this<CallbackBox> {
public:
    explicit CallbackBox(std::function<void()> forward) : closure(std::move(forward)) {}

    const std::function<void()> closure;
};
