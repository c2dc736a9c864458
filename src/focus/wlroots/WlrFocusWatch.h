// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "focus/FocusWatch.h"

#include <memory>

// Follows the application in front on wlroots compositors (sway, Hyprland, labwc, Wayfire)
// through the list of toplevel windows they offer to panels and docks: each window's app id and
// whether it is the active one. Needs Qt on its Wayland platform; elsewhere, or where the
// compositor offers no such list, it knows nothing and says why.
class WlrFocusWatch final : public FocusWatch {
    Q_OBJECT
public:
    explicit WlrFocusWatch(QObject *parent = nullptr);
    ~WlrFocusWatch() override;

    void start() override;
    void stop() override;
    QString application() const override { return application_; }
    QString unavailableReason() const override { return reason_; }

private:
    class Toplevel;
    class Manager;

    void becomeUnavailable(const QString &reason);
    // A window changed: the answer is worked out once the compositor's whole batch of events is
    // in, since the old window's losing the focus comes apart from the new one's gaining it.
    void scheduleSettle();
    void settle();

    std::unique_ptr<Manager> manager_;
    QString ownAppId_;
    QString application_;
    QString reason_;
    bool settling_ = false;
};
