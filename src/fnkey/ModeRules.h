// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>

#include <optional>

// What the user chose per application, as the preference store holds it.
struct StoredRules {
    // Application id -> fn state (true: standard function keys first).
    QHash<QString, bool> applications;
    // The mode of applications without a rule; none until it was first needed.
    std::optional<bool> defaultMode;
};

// The rules as stored, or why they could not be read.
struct RulesReading {
    std::optional<StoredRules> rules;
    QString failure; // set exactly when there are no rules
};

// Why the store refused a change, worded for the log; none when the change landed.
using RuleFailure = std::optional<QString>;

// The per-application modes in the program's own domain (`ApplicationModes`, `DefaultMode`),
// kept through the preference tool's own store library, so that a user's `defaults write` and
// the program see the same store and take the same lock. Every change is one locked
// read-edit-replace of the domain file: a rule someone else adds meanwhile is never lost.
// Stateless: every call goes to the store and blocks until it is done.
class ModeRules {
public:
    // The store of the environment (XDG_CONFIG_HOME or HOME), looked up at every call as the
    // tool does; or the store at `storeRoot`.
    ModeRules() = default;
    explicit ModeRules(QString storeRoot);

    // Rules whose value is neither mode are skipped: a hand-written typo must not switch
    // anything. A store without the domain or the keys holds no rules; that is no failure.
    RulesReading read() const;
    // Adds or replaces the rule of `application`.
    RuleFailure remember(const QString &application, bool fnState) const;
    // Removes the rule of `application`, keeping every other one.
    RuleFailure forget(const QString &application) const;
    RuleFailure setDefaultMode(bool fnState) const;
    // Leaves applications without a rule in the mode in force when the program first needs one.
    RuleFailure clearDefaultMode() const;

    // The stored spelling of a mode, and back; none for anything else.
    static QString modeName(bool fnState);
    static std::optional<bool> parseMode(const QString &name);
    // The tool's printed dictionary (`{ key = value; … }`, with quotes where needed) as pairs,
    // read by the same rules the tool prints it with; none when `text` is not a dictionary.
    static std::optional<QHash<QString, QString>> parseDictionary(const QString &text);

private:
    std::optional<QString> storeRoot_;
};
