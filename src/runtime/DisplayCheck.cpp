// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "runtime/DisplayCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStringList>

#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {
// Asked for each time: the user's language is known only once the program runs.
QString needsDesktop() {
    return QCoreApplication::translate("DisplayCheck", "Vantel needs a graphical desktop session.");
}

QString pluginKey(const QString &request) {
    // Qt takes arguments after the name: "xcb:option=value".
    return request.section(QLatin1Char(':'), 0, 0).trimmed();
}

QString waylandProblem(const DisplayEnvironment &environment, const DisplayProbes &probes) {
    if (environment.waylandDisplay.isEmpty())
        return QCoreApplication::translate("DisplayCheck",
                                           "No Wayland display: WAYLAND_DISPLAY is not set.");
    const QString socket = waylandSocketPath(environment);
    if (socket.isEmpty())
        return QCoreApplication::translate(
                   "DisplayCheck",
                   "Cannot connect to the Wayland display \"%1\": XDG_RUNTIME_DIR is "
                   "not set.")
            .arg(environment.waylandDisplay);
    if (!probes.canOpenWayland(socket))
        return QCoreApplication::translate("DisplayCheck",
                                           "Cannot connect to the Wayland display \"%1\".")
            .arg(environment.waylandDisplay);
    return {};
}

// Empty when the platform requested as `request` can start here, otherwise the reason it cannot.
QString platformProblem(const QString &request, const DisplayEnvironment &environment,
                        const DisplayProbes &probes) {
    const QString key = pluginKey(request);
    if (!probes.hasPlugin(key))
        return QCoreApplication::translate("DisplayCheck",
                                           "The Qt platform plugin \"%1\" is not installed.")
            .arg(key);
    if (key.startsWith(QLatin1String("xcb"), Qt::CaseInsensitive)) {
        if (environment.display.isEmpty())
            return QCoreApplication::translate("DisplayCheck", "No X display: DISPLAY is not set.");
        if (!probes.canOpenX(environment.display))
            return QCoreApplication::translate("DisplayCheck", "Cannot open the X display \"%1\".")
                .arg(environment.display);
        return {};
    }
    if (key.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive))
        return waylandProblem(environment, probes);
    // Other plugins (offscreen, vnc, eglfs, …) need no display server to be running.
    return {};
}

QStringList platformDirectories(const DisplayEnvironment &environment) {
    QStringList directories;
    if (!environment.pluginPath.isEmpty())
        directories.append(environment.pluginPath);
    const QString platforms = QStringLiteral("/platforms");
    directories.append(QLibraryInfo::path(QLibraryInfo::PluginsPath) + platforms);
    for (const QString &path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        directories.append(path + platforms);
    return directories;
}

// The keys a plugin file declares, read from its metadata without loading it.
QStringList pluginKeys(const QString &file) {
    QStringList keys;
    const QJsonObject metaData =
        QPluginLoader(file).metaData().value(QLatin1String("MetaData")).toObject();
    for (const auto &key : metaData.value(QLatin1String("Keys")).toArray())
        keys.append(key.toString());
    return keys;
}

// The keys of every platform plugin installed.
QStringList installedPlatformKeys(const DisplayEnvironment &environment) {
    QStringList keys;
    for (const QString &directory : platformDirectories(environment)) {
        const QDir dir(directory);
        for (const QString &file : dir.entryList(QDir::Files))
            keys.append(pluginKeys(dir.filePath(file)));
    }
    return keys;
}

// Whether the plugin file Qt names after `key` ("libqxcb.so") declares it: the usual request is
// answered from one file rather than from every plugin's, at every start.
bool namedPluginDeclares(const DisplayEnvironment &environment, const QString &key) {
    const QString file = QStringLiteral("/libq%1.so").arg(key.toLower());
    for (const QString &directory : platformDirectories(environment)) {
        if (QFile::exists(directory + file) &&
            pluginKeys(directory + file).contains(key, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool acceptsConnection(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return connected;
}
} // namespace

DisplayEnvironment currentDisplayEnvironment(int argc, char **argv) {
    DisplayEnvironment environment{
        qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
        qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("XDG_RUNTIME_DIR"),
        qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    for (int i = 1; i + 1 < argc; ++i) {
        const QString option = QString::fromLocal8Bit(argv[i]);
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (option == QLatin1String("-platform") || option == QLatin1String("--platform"))
            environment.platform = value;
        if (option == QLatin1String("-platformpluginpath") ||
            option == QLatin1String("--platformpluginpath"))
            environment.pluginPath = value;
    }
    return environment;
}

QString waylandSocketPath(const DisplayEnvironment &environment) {
    if (environment.waylandDisplay.startsWith(QLatin1Char('/')))
        return environment.waylandDisplay;
    if (environment.waylandDisplay.isEmpty() || environment.runtimeDirectory.isEmpty())
        return {};
    return environment.runtimeDirectory + QLatin1Char('/') + environment.waylandDisplay;
}

PlatformChoice choosePlatform(const DisplayEnvironment &environment, const DisplayProbes &probes) {
    QStringList requests = environment.platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const bool requested = !requests.isEmpty();
    if (!requested) {
        if (!environment.waylandDisplay.isEmpty())
            requests.append(QStringLiteral("wayland"));
        if (!environment.display.isEmpty())
            requests.append(QStringLiteral("xcb"));
    }
    if (requests.isEmpty())
        return {{},
                QCoreApplication::translate(
                    "DisplayCheck", "No display: neither DISPLAY nor WAYLAND_DISPLAY is set.") +
                    QLatin1Char(' ') + needsDesktop(),
                {}};
    QStringList problems;
    for (const QString &request : requests) {
        const QString problem = platformProblem(request, environment, probes);
        if (problem.isEmpty())
            return {request.trimmed(), {}, requested ? QString() : problems.join(QLatin1Char(' '))};
        problems.append(problem);
    }
    return {{}, problems.join(QLatin1Char(' ')) + QLatin1Char(' ') + needsDesktop(), {}};
}

DisplayProbes systemDisplayProbes(const DisplayEnvironment &environment,
                                  std::function<bool(const QString &)> canOpenX) {
    auto keys = std::make_shared<std::optional<QStringList>>();
    auto hasPlugin = [environment, keys](const QString &key) {
        if (namedPluginDeclares(environment, key))
            return true;
        if (!*keys)
            *keys = installedPlatformKeys(environment);
        return (*keys)->contains(key, Qt::CaseInsensitive);
    };
    return {hasPlugin, std::move(canOpenX), acceptsConnection};
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
