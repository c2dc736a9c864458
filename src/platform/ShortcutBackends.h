#pragma once

#include "platform/GlobalShortcutBackend.h"

#include <memory>

// The way of getting global shortcuts that the running session offers, or one that refuses
// every grab when it offers none. Call it once, after the QGuiApplication exists.
std::unique_ptr<GlobalShortcutBackend> createShortcutBackend();
