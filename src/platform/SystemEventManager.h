#pragma once

#include "platform/EventManager.h"

#include <memory>

// The event manager of the session the application is connected to: global hot keys on an X11
// display, and one that registers nothing (every registration fails) anywhere else, so the
// program runs on without a hot key. Call it after the QGuiApplication exists.
std::unique_ptr<EventManager> createSystemEventManager();
