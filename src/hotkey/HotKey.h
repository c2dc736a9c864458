#pragma once

#include "platform/EventManager.h"

#include <functional>

// Registers the global hot key (Super+Alt+F) so that every press runs `action` on the main
// thread. Replaces any earlier registration; failures are not reported.
void registerHotKey(EventManager &manager, std::function<void()> action);

// Removes whatever registerHotKey installed; safe to call when nothing is registered.
void unregisterHotKey(EventManager &manager);

// The handler procedure registerHotKey installs: every event it receives counts as one press.
OSStatus hotKeyEventHandler(EventHandlerCallRef nextHandler, EventRef event, void *userData);
