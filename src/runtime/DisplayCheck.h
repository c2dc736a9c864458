// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <memory>

// What decides whether Qt can reach a window system.
struct DisplayEnvironment {
    // The requested platform plugins, ';'-separated as in QT_QPA_PLATFORM; empty for the default.
    QString platform;
    QString display;
    QString waylandDisplay;
    // Where a relative WAYLAND_DISPLAY lives.
    QString runtimeDirectory;
    // Extra directories Qt searches for platform plugins before its own.
    QString pluginPath;
};

// What this machine offers, asked only for the platforms that are candidates.
struct DisplayProbes {
    // Whether a platform plugin answering to `key` is installed.
    std::function<bool(const QString &key)> hasPlugin;
    // Whether an X server answers at a display name.
    std::function<bool(const QString &display)> canOpenX;
    // Whether a Wayland compositor accepts a connection on the socket at `path`.
    std::function<bool(const QString &path)> canOpenWayland;
};

// The platform Qt is to start with, or why none can. Decided before QApplication exists,
// which would abort the process instead.
struct PlatformChoice {
    // For QT_QPA_PLATFORM; empty when no platform can start.
    QString platform;
    // One line for the user when no platform can start.
    QString problem;
    // Why a Wayland session runs on X11 instead; empty otherwise.
    QString fallbackReason;
};

// This process's environment; a -platform argument wins over QT_QPA_PLATFORM, as in Qt.
DisplayEnvironment currentDisplayEnvironment(int argc, char **argv);

// Without a request, a Wayland session uses Wayland and falls back to X11 (XWayland); a
// request is honoured as given, the first of its plugins that can start winning.
PlatformChoice choosePlatform(const DisplayEnvironment &environment, const DisplayProbes &probes);

// The socket a Wayland client of `environment` connects to; empty when it has none.
QString waylandSocketPath(const DisplayEnvironment &environment);

// Probes of the real machine: plugins on disk, a Wayland socket that accepts. `canOpenX` is the
// caller's, since it has to keep the connection open.
DisplayProbes systemDisplayProbes(const DisplayEnvironment &environment,
                                  std::function<bool(const QString &)> canOpenX);

// A connection to the X server at `display`, or null when none answers. Keep it open until Qt
// has made its own: an X server may drop a connection that arrives as another one closes.
std::shared_ptr<void> openXDisplay(const QString &display);
