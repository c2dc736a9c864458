// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// Whether the program starts at login, kept as the desktops' own startup settings keep it: the
// package installs an autostart file for everyone, and a same-named file in the user's
// autostart folder overrides it, switched off with Hidden=true.
class AutostartEntry {
public:
    // The user's file in the user's config folder, the package's one in the XDG config folders.
    AutostartEntry();
    AutostartEntry(QString userFile, QString systemFile);

    bool enabled() const;
    // Writes the user's file: a copy of the package's (or a minimal entry where there is none)
    // with Hidden=true to turn the start off, without it to turn it on. Returns why not.
    std::optional<QString> setEnabled(bool enabled) const;

    QString userFile() const { return userFile_; }

private:
    QString userFile_;
    QString systemFile_; // empty when the package's file is not installed
};
