#include "ShortcutBackendChoice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
}

ShortcutBackendKind chooseShortcutBackend(const QString &qtPlatform, bool waylandSession,
                                          bool portalOnBus) {
    if (waylandSession && portalOnBus)
        return ShortcutBackendKind::Portal;
    if (qtPlatform.startsWith(QLatin1String("xcb")))
        return ShortcutBackendKind::X11;
    return ShortcutBackendKind::None;
}

bool isWaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

bool desktopPortalOnBus(const QDBusConnection &bus) {
    QDBusConnectionInterface *daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon)
        return false;
    if (daemon->isServiceRegistered(portalService).value())
        return true;
    const QDBusReply<QStringList> activatable = daemon->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(portalService);
}
