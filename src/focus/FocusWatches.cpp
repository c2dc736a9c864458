// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/FocusWatches.h"

#include "focus/gnome/GnomeFocusWatch.h"
#include "focus/kwin/KWinFocusWatch.h"
#include "focus/none/NoFocusWatch.h"
#include "focus/wlroots/WlrFocusWatch.h"
#include "focus/x11/X11FocusWatch.h"
#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace {
bool isWaylandSession() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

bool desktopIs(const FocusSession &session, QLatin1String name) {
    const QStringList names = session.currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return std::any_of(names.begin(), names.end(), [&](const QString &each) {
        return each.compare(name, Qt::CaseInsensitive) == 0;
    });
}
} // namespace

FocusWatchKind chooseFocusWatch(const FocusSession &session) {
    if (session.qtPlatform == QLatin1String("xcb"))
        return FocusWatchKind::X11;
    if (!session.waylandSession)
        return FocusWatchKind::None;
    if (desktopIs(session, QLatin1String("KDE")))
        return FocusWatchKind::KWin;
    if (desktopIs(session, QLatin1String("GNOME")))
        return FocusWatchKind::Gnome;
    return FocusWatchKind::Wlroots;
}

std::unique_ptr<FocusWatch> createFocusWatch(const QDBusConnection &bus) {
    const FocusSession session{QGuiApplication::platformName(),
                               qEnvironmentVariable("XDG_CURRENT_DESKTOP"), isWaylandSession()};
    switch (chooseFocusWatch(session)) {
    case FocusWatchKind::Wlroots:
        return std::make_unique<WlrFocusWatch>();
    case FocusWatchKind::KWin:
        qCInfo(lcFocus) << "the application in front through KWin's scripting";
        return std::make_unique<KWinFocusWatch>(bus);
    case FocusWatchKind::X11:
        return std::make_unique<X11FocusWatch>();
    case FocusWatchKind::Gnome:
        return std::make_unique<GnomeFocusWatch>(bus);
    case FocusWatchKind::None:
        break;
    }
    qCInfo(lcFocus) << "the application in front cannot be known on the" << session.qtPlatform
                    << "platform";
    return std::make_unique<NoFocusWatch>(QCoreApplication::translate(
        "FocusWatch", "This desktop does not tell which application is in front"));
}
