// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What became of the last request to make the keyboards follow the fn state.
struct KeyboardReport {
    enum class Outcome { notAsked, switched, noKeyboard, refused, unavailable, failed };
    Outcome outcome = Outcome::notAsked;
    QStringList switched; // the names of the keyboards now in the asked-for mode
    QString detail;       // the service's own words, for the log
    // The keyboards found that cannot be switched, each with what its top row does.
    QStringList unswitchable;
};

// One keyboard as the service sees it now.
struct KeyboardState {
    QString name;
    QString driver;
    QString mode; // as the service spells it: function-keys, hardware-keys, auto, other, …
    // Why Vantel leaves it as it is; empty for a keyboard it switches.
    QString notSwitched;
};

// Every keyboard the service found, or why it could not be asked.
struct KeyboardListing {
    bool serviceMissing = false;
    QString failure; // the service's words when it answered with an error
    QList<KeyboardState> keyboards;
};

// Makes the keyboards the kernel can switch follow the fn state. The preference alone changes
// nothing on Linux: the drivers hold the mode, and only a root service may write it.
class KeyboardModes {
public:
    virtual ~KeyboardModes() = default;
    // Asks for every keyboard to follow `fnState`; returns at once and never fails the caller:
    // a missing service, no keyboard or a refusal only show up in the report and the log.
    virtual void apply(bool fnState) = 0;
    // The outcome of the last request that was answered.
    virtual KeyboardReport report() const = 0;
    // From now on calls `changed` with the new fn state whenever a keyboard's mode was changed
    // on the keyboard itself (Fn+Esc handled by its firmware or driver).
    virtual void followKeyboards(std::function<void(bool fnState)> changed) = 0;
    // Asks the service for its keyboards and calls `listed` on the main thread with the answer;
    // without a service to ask, at once with none.
    virtual void listKeyboards(std::function<void(const KeyboardListing &)> listed) {
        listed(KeyboardListing{true, {}, {}});
    }
};
