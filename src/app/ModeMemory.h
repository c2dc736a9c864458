// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "fnkey/FnKeyToggler.h"
#include "fnkey/ModeRules.h"
#include "runtime/RepeatFilter.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class FocusWatch;
class KeyboardModes;
class WorkQueue;

// Remembers the mode per application and brings it back when the application comes to the
// front. The preference stays the one mode in force, which everything else reads and the
// keyboards follow; this only writes it, as a flip does, when the front application wants
// another mode, and stores what the user chose while an application was in front.
class ModeMemory : public QObject {
    Q_OBJECT
public:
    // What the menu offers for the application in front.
    struct MenuEntry {
        QString application; // the id a change applies to; empty when nothing is known
        QString name;        // how the user knows it
        bool remembered = false;
        QString unavailable; // why nothing can be remembered, when nothing can
    };

    // Every store access runs on `work`'s background threads; `focus` and `keyboards` outlive
    // the memory.
    ModeMemory(FocusWatch &focus, KeyboardModes &keyboards, ModeRules rules, FnKeyToggler writer,
               WorkQueue &work);

    // Starts following the focus from the mode in force, `fnState`.
    void start(bool fnState);
    void stop();
    // The preference now reads `fnState`. Unless it is the mode this memory put there, the user
    // (a switch, Fn+Esc, or a `defaults write`) chose it for the application in front.
    void preferenceChanged(bool fnState);
    // Whether the keyboards were already asked for `fnState`, the reading of a preference this
    // memory is writing, so that the change it makes still costs only one request.
    bool toldKeyboards(bool fnState);
    // The stored rules changed on disk: reread, and apply at once to the application in front.
    void rulesChanged();
    // Stores `fnState` as the rule of `application`, or removes its rule.
    void setRemembered(const QString &application, bool remember, bool fnState);

    MenuEntry menuEntry() const;
    // The name of the application in front while its own rule is in force; empty otherwise.
    QString rememberedName() const;

Q_SIGNALS:
    // What the menu and the tooltip show changed.
    void changed();
    // Readings taken while this memory wrote the preference were passed over; someone else may
    // have written it meanwhile, so it is worth reading again now that the writes are done.
    void preferenceMayHaveChanged();

private:
    void focusChanged(const QString &application);
    void applyFront();
    std::optional<bool> wantedMode();
    void writeMode(bool fnState);
    void writeFinished(bool fnState);
    void rememberChoice(bool fnState);
    // Runs a store write in the background and rereads the rules once every write has landed.
    void storeInBackground(std::function<RuleFailure(const ModeRules &)> write);
    void reload();
    void reloaded(const RulesReading &read, int generation);
    // Logs what a reading or a write of the store ended in, each lasting cause once.
    void storeAnswered(const QString &failure);

    FocusWatch &focus_;
    KeyboardModes &keyboards_;
    ModeRules rules_;
    FnKeyToggler writer_;
    WorkQueue &work_;
    StoredRules stored_;
    QString front_;
    // The mode this memory last found or put in force.
    bool expected_ = false;
    bool startMode_ = false;
    bool writing_ = false;
    std::optional<bool> pendingWrite_;
    std::optional<bool> told_;
    bool passedOver_ = false;
    int storeWrites_ = 0;
    int storeGeneration_ = 0;
    bool loaded_ = false;
    bool reloadWanted_ = false;
    RepeatFilter failures_;
};
