#include "platform/ShortcutBackends.h"

#include "logging/LoggingCategories.h"
#include "platform/none/NoShortcutBackend.h"
#include "platform/x11/X11ShortcutBackend.h"

#include <QGuiApplication>
#include <QLoggingCategory>

std::unique_ptr<GlobalShortcutBackend> createShortcutBackend() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        qCInfo(lcHotKeyBackend) << "global shortcuts through X11 key grabs";
        return std::make_unique<X11ShortcutBackend>();
    }
    qCInfo(lcHotKeyBackend) << "no global shortcut service on the" << platform << "platform";
    return std::make_unique<NoShortcutBackend>();
}
