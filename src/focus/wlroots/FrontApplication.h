// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <vector>

// One window as the compositor last described it, complete up to its last `done`.
struct ToplevelState {
    QString appId;
    bool activated = false;
};

// The application the windows put in front, given `current`, the one told last. A compositor
// with several seats may activate several windows at once: `current` stays while one of its
// windows is active. Vantel's own windows (`ownAppId`) never count, so while one of them is the
// active one the answer is nothing (keep `current`); with no active window at all it is empty.
std::optional<QString> frontApplication(const std::vector<ToplevelState> &toplevels,
                                        const QString &ownAppId, const QString &current);

// The app id this program's windows carry on Wayland, worked out the way Qt gives it.
QString ownAppId(const QString &desktopFileName, const QString &executablePath,
                 const QString &organizationDomain);
