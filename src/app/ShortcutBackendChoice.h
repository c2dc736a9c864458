#pragma once

#include <QString>

class QDBusConnection;

// Which way of getting a global shortcut this session offers; chosen once at start-up.
enum class ShortcutBackendKind { X11, Portal, None };

// X11 grabs the key itself; a Wayland compositor lets only its portal hand out shortcuts, also
// to a program that runs on XWayland, whose grab would work only while one of XWayland's windows
// has the focus. `qtPlatform` is the platform Qt runs on ("xcb", "wayland", …).
ShortcutBackendKind chooseShortcutBackend(const QString &qtPlatform, bool waylandSession,
                                          bool portalOnBus);

// Whether this process runs in a Wayland session, whatever platform Qt chose.
bool isWaylandSession();

// Whether the desktop portal runs, or can be started, on `bus`. Asks the bus daemon only, so it
// answers at once; whether the portal offers global shortcuts is found out when binding.
bool desktopPortalOnBus(const QDBusConnection &bus);
