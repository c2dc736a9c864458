#include "platform/DisplayCheck.h"

#include <QStringList>

#include <cstring>
#include <xcb/xcb.h>

namespace {
// Empty when `plugin` can start here, otherwise the reason it cannot.
QString pluginProblem(const QString &plugin, const DisplayEnvironment &environment,
                      const std::function<bool(const QString &)> &canOpenX) {
    if (plugin.startsWith(QLatin1String("xcb"))) {
        if (environment.display.isEmpty())
            return QStringLiteral("No display: DISPLAY is not set.");
        if (!canOpenX(environment.display))
            return QStringLiteral("Cannot open the X display \"%1\".").arg(environment.display);
        return {};
    }
    if (plugin.startsWith(QLatin1String("wayland")) && environment.waylandDisplay.isEmpty())
        return QStringLiteral("No Wayland display: WAYLAND_DISPLAY is not set.");
    // Other plugins (offscreen, vnc, eglfs, …) need no display server to be running.
    return {};
}
} // namespace

DisplayEnvironment currentDisplayEnvironment(int argc, char **argv) {
    DisplayEnvironment environment{qEnvironmentVariable("QT_QPA_PLATFORM"),
                                   qEnvironmentVariable("DISPLAY"),
                                   qEnvironmentVariable("WAYLAND_DISPLAY")};
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            environment.platform = QString::fromLocal8Bit(argv[i + 1]);
    return environment;
}

QString displayProblem(const DisplayEnvironment &environment,
                       const std::function<bool(const QString &)> &canOpenX) {
    QStringList plugins = environment.platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (plugins.isEmpty()) {
        if (environment.display.isEmpty() && environment.waylandDisplay.isEmpty())
            return QStringLiteral("No display: neither DISPLAY nor WAYLAND_DISPLAY is set. "
                                  "Vantel needs a graphical desktop session.");
        plugins = {QStringLiteral("xcb"), QStringLiteral("wayland")};
    }
    QString first;
    for (const QString &plugin : plugins) {
        const QString problem = pluginProblem(plugin, environment, canOpenX);
        if (problem.isEmpty())
            return {};
        if (first.isEmpty())
            first = problem;
    }
    return first + QStringLiteral(" Vantel needs a graphical desktop session.");
}

std::shared_ptr<void> openXDisplay(const QString &display) {
    xcb_connection_t *connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::shared_ptr<void>(
        connection, [](void *open) { xcb_disconnect(static_cast<xcb_connection_t *>(open)); });
}
