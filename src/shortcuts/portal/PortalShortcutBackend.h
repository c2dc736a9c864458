// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shortcuts/GlobalShortcutBackend.h"

#include <memory>

class PortalSession;
class QDBusConnection;

// Global shortcuts through the desktop portal, the only way to get one on a Wayland desktop.
// The desktop binds them for a session of this process and may ask the user first, so a grab is
// answered later: refused or cancelled binds arrive as grabFailed(). The session is closed on
// the last ungrab and on destruction, which gives the shortcuts back.
class PortalShortcutBackend : public GlobalShortcutBackend {
    Q_OBJECT
public:
    explicit PortalShortcutBackend(const QDBusConnection &bus, QObject *parent = nullptr);
    ~PortalShortcutBackend() override;

    bool grabKey(const QString &id, const QString &description, Qt::Key key,
                 Qt::KeyboardModifiers modifiers, QString *error) override;
    void ungrabKey(const QString &id) override;
    bool canConfigure() const override;
    void configure() override;

    // The combination in the portal's notation ("LOGO+ALT+f"); empty when the key has no name
    // there.
    static QString portalTrigger(Qt::Key key, Qt::KeyboardModifiers modifiers);

private:
    std::unique_ptr<PortalSession> session_;
};
