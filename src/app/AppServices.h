#pragma once

class AboutPanel;
class Application;
class BundleInfo;
class GlobalHotKey;
class NotificationCenter;
class StatusBar;
class WorkQueue;

// The platform as the delegate reaches it, chosen once at start-up. Everything referred to
// outlives the delegate.
struct AppServices {
    Application &application;
    StatusBar &statusBar;
    NotificationCenter &notifications;
    AboutPanel &aboutPanel;
    BundleInfo &bundle;
    WorkQueue &work;
    GlobalHotKey &hotKey;
};
