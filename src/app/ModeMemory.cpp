// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/ModeMemory.h"

#include "desktop/DesktopEntryName.h"
#include "focus/FocusWatch.h"
#include "keyboards/KeyboardModes.h"
#include "logging/LoggingCategories.h"
#include "runtime/WorkQueue.h"

#include <QPointer>

ModeMemory::ModeMemory(FocusWatch &focus, KeyboardModes &keyboards, ModeRules rules,
                       FnKeyToggler writer, WorkQueue &work)
    : focus_(focus), keyboards_(keyboards), rules_(std::move(rules)), writer_(std::move(writer)),
      work_(work) {}

void ModeMemory::start(bool fnState) {
    expected_ = fnState;
    startMode_ = fnState;
    connect(&focus_, &FocusWatch::applicationChanged, this, &ModeMemory::focusChanged);
    connect(&focus_, &FocusWatch::availabilityChanged, this, [this] {
        if (!loaded_ && focus_.unavailableReason().isEmpty())
            reload();
        emit changed();
    });
    // Where the focus cannot be known the store is not even read: nothing would use it.
    if (focus_.unavailableReason().isEmpty())
        reload();
    focus_.start();
}

void ModeMemory::stop() {
    disconnect(&focus_, nullptr, this, nullptr);
    focus_.stop();
}

void ModeMemory::focusChanged(const QString &application) {
    if (application == front_)
        return;
    front_ = application;
    qCDebug(lcFocus).noquote() << "application in front:" << application;
    applyFront();
    emit changed();
}

void ModeMemory::applyFront() {
    // Nothing is known of a window without an id, nor of the rules before they were read.
    if (!loaded_ || front_.isEmpty())
        return;
    if (const std::optional<bool> wanted = wantedMode(); wanted && *wanted != expected_)
        writeMode(*wanted);
}

std::optional<bool> ModeMemory::wantedMode() {
    if (const auto rule = stored_.applications.constFind(front_);
        rule != stored_.applications.cend())
        return *rule;
    if (!stored_.defaultMode) {
        // Taken from the preference as it was before any rule applied: what is in force now may
        // be the previous application's own mode.
        const bool current = startMode_;
        stored_.defaultMode = current;
        storeInBackground(
            [current](const ModeRules &rules) { return rules.setDefaultMode(current); });
    }
    return stored_.defaultMode;
}

// Writes run one at a time, the newest wish last: quick focus changes must not end in the mode
// of an application that is no longer in front because its write happened to land later.
void ModeMemory::writeMode(bool fnState) {
    expected_ = fnState;
    // The keyboards are asked at once rather than after two writes of the preference and a
    // reading of it: that would more than double the time a focus change takes to reach them.
    keyboards_.apply(fnState);
    told_ = fnState;
    if (writing_) {
        pendingWrite_ = fnState;
        return;
    }
    writing_ = true;
    QPointer<ModeMemory> self(this);
    WorkQueue &work = work_;
    work.runInBackground([self, writer = writer_, fnState, &work] {
        const QString failed = writer.storeFnState(fnState).value_or(QString());
        work.runOnMain([self, fnState, failed] {
            if (!self)
                return;
            self->storeAnswered(failed);
            self->writeFinished(fnState);
        });
    });
}

void ModeMemory::writeFinished(bool fnState) {
    writing_ = false;
    const std::optional<bool> next = std::exchange(pendingWrite_, std::nullopt);
    if (next && *next != fnState)
        writeMode(*next);
    else if (std::exchange(passedOver_, false))
        emit preferenceMayHaveChanged();
}

bool ModeMemory::toldKeyboards(bool fnState) {
    // Half-way readings of its own writes are older than what the keyboards were last asked.
    if (writing_) {
        passedOver_ = true;
        return true;
    }
    return std::exchange(told_, std::nullopt) == fnState;
}

void ModeMemory::preferenceChanged(bool fnState) {
    // While its own writes are under way the readings are its own, half-way ones included.
    if (writing_ || fnState == expected_)
        return;
    expected_ = fnState;
    rememberChoice(fnState);
}

void ModeMemory::rememberChoice(bool fnState) {
    if (!loaded_ || !focus_.unavailableReason().isEmpty())
        return;
    const QString application = front_;
    if (!application.isEmpty() && stored_.applications.contains(application)) {
        stored_.applications.insert(application, fnState);
        storeInBackground([application, fnState](const ModeRules &rules) {
            return rules.remember(application, fnState);
        });
    } else {
        stored_.defaultMode = fnState;
        storeInBackground(
            [fnState](const ModeRules &rules) { return rules.setDefaultMode(fnState); });
    }
    emit changed();
}

void ModeMemory::setRemembered(const QString &application, bool remember, bool fnState) {
    if (application.isEmpty())
        return;
    if (remember) {
        stored_.applications.insert(application, fnState);
        storeInBackground([application, fnState](const ModeRules &rules) {
            return rules.remember(application, fnState);
        });
    } else {
        stored_.applications.remove(application);
        storeInBackground(
            [application](const ModeRules &rules) { return rules.forget(application); });
    }
    applyFront();
    emit changed();
}

void ModeMemory::storeInBackground(std::function<RuleFailure(const ModeRules &)> write) {
    ++storeWrites_;
    ++storeGeneration_;
    QPointer<ModeMemory> self(this);
    WorkQueue &work = work_;
    work.runInBackground([self, rules = rules_, write = std::move(write), &work] {
        RuleFailure failed = write(rules);
        work.runOnMain([self, failed = std::move(failed)] {
            if (!self)
                return;
            self->storeAnswered(failed.value_or(QString()));
            if (--self->storeWrites_ == 0 && std::exchange(self->reloadWanted_, false))
                self->reload();
        });
    });
}

void ModeMemory::rulesChanged() {
    reload();
}

// A reading taken while a write of its own was under way may predate that write, and would undo
// a choice just made; it waits, or is taken again, until the store has settled.
void ModeMemory::reload() {
    if (storeWrites_ > 0) {
        reloadWanted_ = true;
        return;
    }
    QPointer<ModeMemory> self(this);
    WorkQueue &work = work_;
    work.runInBackground([self, rules = rules_, generation = storeGeneration_, &work] {
        RulesReading read = rules.read();
        work.runOnMain([self, read = std::move(read), generation] {
            if (self)
                self->reloaded(read, generation);
        });
    });
}

void ModeMemory::storeAnswered(const QString &failure) {
    if (failures_.isNews(failure))
        qCWarning(lcFocus).noquote() << "the preference store:" << failure;
}

void ModeMemory::reloaded(const RulesReading &read, int generation) {
    if (generation != storeGeneration_) {
        reload();
        return;
    }
    storeAnswered(read.failure);
    // Rules that could not be read are not taken for none: that would forget every choice.
    if (!read.rules)
        return;
    stored_ = *read.rules;
    loaded_ = true;
    applyFront();
    emit changed();
}

ModeMemory::MenuEntry ModeMemory::menuEntry() const {
    MenuEntry entry;
    entry.unavailable = focus_.unavailableReason();
    if (!entry.unavailable.isEmpty() || front_.isEmpty())
        return entry;
    entry.application = front_;
    entry.name = desktopEntryName(front_);
    entry.remembered = stored_.applications.contains(front_);
    return entry;
}

QString ModeMemory::rememberedName() const {
    if (front_.isEmpty() || !stored_.applications.contains(front_))
        return {};
    return desktopEntryName(front_);
}
