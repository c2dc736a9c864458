#include "ShortcutBackendChoice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace {
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
}

ShortcutBackendKind chooseShortcutBackend(const QString &qtPlatform, bool portalOnBus) {
    if (qtPlatform.startsWith(QLatin1String("xcb")))
        return ShortcutBackendKind::X11;
    if (qtPlatform.startsWith(QLatin1String("wayland")) && portalOnBus)
        return ShortcutBackendKind::Portal;
    return ShortcutBackendKind::None;
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
