// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>

#include <functional>
#include <memory>

class QDBusConnection;

// Called with the path a portal signal came from and its arguments; containers and structures
// arrive still marshalled, for qdbus_cast.
using PortalSignalHandler = std::function<void(const QString &path, const QVariantList &arguments)>;

// Listens to the signal `name` of `interface` that the desktop portal sends at `path`, or at any
// path when `path` is empty, until the returned object is destroyed. Null when QtDBus refused the
// subscription. Handing over whole messages needs no argument types registered with QtDBus, a
// requirement under which a subscription would otherwise fail quietly.
std::unique_ptr<QObject> listenToPortal(const QDBusConnection &bus, const QString &path,
                                        const QString &interface, const QString &name,
                                        PortalSignalHandler handler);
