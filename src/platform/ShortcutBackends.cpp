#include "platform/ShortcutBackends.h"

#include "platform/none/NoShortcutBackend.h"
#include "platform/x11/X11ShortcutBackend.h"

#include <QGuiApplication>
#include <QLoggingCategory>

namespace {
// Routine start-up information, shown only when asked for.
Q_LOGGING_CATEGORY(lcShortcutBackend, "vantel.hotkey.backend", QtWarningMsg)
} // namespace

std::unique_ptr<GlobalShortcutBackend> createShortcutBackend() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        qCInfo(lcShortcutBackend) << "global shortcuts through X11 key grabs";
        return std::make_unique<X11ShortcutBackend>();
    }
    qCInfo(lcShortcutBackend) << "no global shortcut service on the" << platform << "platform";
    return std::make_unique<NoShortcutBackend>();
}
