// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "fnkey/ModeRules.h"
#include "tray/colours/IconAppearance.h"

#include <QString>

#include <optional>

// What the settings window reads from and writes to the program's preference domain: the same
// store, helpers and lock as the program and the `defaults` tool, so that a change made here is
// the change any of them would make. Every call blocks until the store has answered.
class SettingsStore {
public:
    // The store of the environment, or the one at `storeRoot`.
    SettingsStore() = default;
    explicit SettingsStore(QString storeRoot);

    RulesReading readRules() const;
    RuleFailure setRule(const QString &application, bool fnState) const;
    RuleFailure removeRule(const QString &application) const;
    // None leaves the applications without a rule in the mode in force when first needed.
    RuleFailure setDefaultMode(std::optional<bool> fnState) const;

    // A missing or unreadable value reads as automatic, as the program reads it.
    IconColorPreference iconColor() const;
    RuleFailure setIconColor(IconColorPreference preference) const;

private:
    std::optional<QString> storeRoot_;
    ModeRules rules_;
};
