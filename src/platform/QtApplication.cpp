#include "QtApplication.h"

#include <QCoreApplication>

// An X11 or Wayland session has no application to activate: the windows that come forward are
// raised and activated by whoever shows them.
void QtApplication::activateIgnoringOtherApps() {}

void QtApplication::terminate() {
    QCoreApplication::quit();
}

void QtApplication::deliver(const InputEvent &event, const std::function<void()> &action) {
    // A delivery may nest (an action that processes events); the outer click is current again
    // afterwards.
    const std::optional<InputEvent> outer = current_;
    current_ = event;
    action();
    current_ = outer;
}
