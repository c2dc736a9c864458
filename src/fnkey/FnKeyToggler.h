// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "fnkey/ProcessRunner.h"

#include <QString>

#include <chrono>
#include <optional>

// The only place that touches the fn state. Stateless: every question starts a child process.
class FnKeyToggler {
public:
    static constexpr const char *defaultsPath = "/usr/bin/defaults";
    static constexpr const char *shellPath = "/bin/zsh";

    // The paths are fixed in production; tests hand in their own executables.
    explicit FnKeyToggler(QString defaultsExecutable = QString::fromLatin1(defaultsPath),
                          QString shellExecutable = QString::fromLatin1(shellPath));

    // True when the top row sends standard function keys. Blocks until the child exits.
    bool readFnState() const;
    // Flips the fn state and returns the new one as the flip script reports it. Blocks.
    bool toggleFnState() const;
    // Writes the fn state the way the flip does, to the global domain and to this machine's
    // own copy; false when either write failed. Blocks.
    bool writeFnState(bool fnState) const;
    // The same write, saying why it failed: the tool's own words (a file of another user in the
    // store, for instance) when either write failed, none when both landed. Blocks.
    std::optional<QString> storeFnState(bool fnState) const;

    // The flip script exactly as the shell receives it.
    static QString flipScript();

    // A hung reader would freeze the user interface, a hung flip would leave the program busy
    // for ever; both are killed after these bounds.
    static constexpr std::chrono::milliseconds readLimit{5000};
    static constexpr std::chrono::milliseconds flipLimit{30000};

private:
    QString defaultsExecutable_;
    QString shellExecutable_;
};

// Trimmed of Unicode whitespace and newlines and lower-cased, as both readers compare it.
QString normalisedAnswer(const QString &text);
// The last line of `text` holding more than whitespace, or an empty text when there is none.
QString lastNonEmptyLine(const QString &text);
