// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/ShortcutBackends.h"

#include "logging/LoggingCategories.h"
#include "shortcuts/none/NoShortcutBackend.h"
#include "shortcuts/portal/PortalShortcutBackend.h"
#include "shortcuts/x11/X11ShortcutBackend.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QLoggingCategory>

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");

bool isWaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

// Whether the desktop portal runs, or can be started. Asks the bus daemon only, so it answers at
// once; whether the portal offers global shortcuts is found out, without blocking, when binding.
bool desktopPortalOnBus(const QDBusConnection &bus) {
    QDBusConnectionInterface *daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon)
        return false;
    if (daemon->isServiceRegistered(portalService).value())
        return true;
    const QDBusReply<QStringList> activatable = daemon->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(portalService);
}
} // namespace

ShortcutBackendKind chooseShortcutBackend(const QString &qtPlatform, bool waylandSession,
                                          bool portalOnBus) {
    if (waylandSession && portalOnBus)
        return ShortcutBackendKind::Portal;
    if (qtPlatform == QLatin1String("xcb"))
        return ShortcutBackendKind::X11;
    return ShortcutBackendKind::None;
}

std::unique_ptr<GlobalShortcutBackend> createShortcutBackend(const QDBusConnection &bus) {
    const QString platform = QGuiApplication::platformName();
    const bool wayland = isWaylandSession();
    switch (chooseShortcutBackend(platform, wayland, wayland && desktopPortalOnBus(bus))) {
    case ShortcutBackendKind::X11:
        qCInfo(lcHotKeyBackend) << "global shortcuts through X11 key grabs";
        return std::make_unique<X11ShortcutBackend>();
    case ShortcutBackendKind::Portal:
        qCInfo(lcHotKeyBackend) << "global shortcuts through the desktop portal";
        return std::make_unique<PortalShortcutBackend>(bus);
    case ShortcutBackendKind::None:
        break;
    }
    qCInfo(lcHotKeyBackend) << "no global shortcut service on the" << platform << "platform";
    return std::make_unique<NoShortcutBackend>();
}
