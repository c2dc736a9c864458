#pragma once

#include <functional>

class EventManager;

// Registers the global hot key (Super+Alt+F) so that every press runs `action` on the main
// thread. Replaces any earlier registration; failures are not reported.
void registerHotKey(EventManager &manager, std::function<void()> action);

// Removes whatever registerHotKey installed; safe to call when nothing is registered.
void unregisterHotKey(EventManager &manager);
