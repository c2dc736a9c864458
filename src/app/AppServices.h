// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/BundleInfo.h"

#include <functional>

class AboutPanel;
class FocusWatch;
class GlobalHotKey;
class KeyboardModes;
class NotificationCenter;
class StatusBar;
class WorkQueue;

// The platform as the delegate reaches it, chosen once at start-up. Everything referred to
// outlives the delegate.
struct AppServices {
    StatusBar &statusBar;
    NotificationCenter &notifications;
    AboutPanel &aboutPanel;
    BundleInfo bundle;
    WorkQueue &work;
    GlobalHotKey &hotKey;
    // Ends the run: the about-to-quit handlers run, then the event loop returns.
    std::function<void()> quit;
    KeyboardModes &keyboards;
    // Which application is in front, for the modes remembered per application.
    FocusWatch &focus;
};
