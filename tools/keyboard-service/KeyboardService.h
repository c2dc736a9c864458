// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "keyboard-service/Authorizer.h"
#include "keyboard-service/DeferredFlush.h"
#include "keyboard-service/KeptMode.h"
#include "keyboard-service/KeyboardConfig.h"
#include "keyboard-service/PendingChecks.h"
#include "keyboard-service/SysfsKeyboards.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>

// The answer to a call: a count of switched keyboards, or a bus error name with its message.
struct ServiceAnswer {
    uint switched = 0;
    QString errorName;
    QString errorMessage;
};

// What the service does, apart from the bus: keeps the mode, writes it to every keyboard found,
// asks the authorizer before any change, and says when it has been idle long enough to exit.
class KeyboardService : public QObject {
    Q_OBJECT
public:
    // An idle time of zero means never idle. The configuration's default mode is what Apply()
    // writes while no mode was ever kept; while the configuration is unusable nothing is written.
    KeyboardService(SysfsKeyboards keyboards, KeptMode kept, Authorizer &authorizer,
                    std::chrono::seconds idleTime, PendingChecks::Limits limits = {},
                    const KeyboardConfig &config = {});
    ~KeyboardService() override;

    // Device names come from the hardware: only printable, and not too long.
    QList<Keyboard> keyboards();
    QString mode();
    // What the last look at the switches found and the mode kept now, without looking again:
    // for telling of a change just made.
    QList<Keyboard> lastKeyboards() const { return lastFound_; }
    QString lastMode() const;
    // Answers through `answer`, later, once the caller has been authorised (or refused).
    void setMode(const QString &mode, const Caller &caller,
                 std::function<void(ServiceAnswer)> answer);
    // Gives the keyboards the kept mode again; asks like setMode unless nothing would change.
    void apply(const Caller &caller, std::function<void(ServiceAnswer)> answer);
    void callerLeft(const QString &name);
    // A change asked for, a subscriber gone or a check settled: postpones the idle exit.
    void touch();
    // Any call at all. Reading what the service knows keeps it no longer than it would stay
    // anyway, so that nobody without a subscription keeps a root process alive; only while it
    // drains does every call postpone the end, so that what is still queued is answered.
    void called();
    // No longer waits to be idle (nor for subscribers): emits drained() once no check is pending
    // and no call has come for `quiet`. Calls postpone that only for a while: what was in flight
    // when the name was given back has arrived by then, and a caller that keeps calling after it
    // must not keep the service.
    void drain(std::chrono::milliseconds quiet);
    // Asked to stop: the authority may take minutes (a password prompt) or never answer, so
    // every caller still waiting for it is answered as cancelled at once, calls that would need
    // it are refused from now on, and drained() no longer waits for its replies.
    void stop();
    // Why the kept mode may not survive a power cut: empty unless the last attempt to make it
    // durable failed (the attempts go on for a while, and at every change).
    QString notOnDisk() const { return durable_.failure(); }

    // The kept mode (or, while none was ever kept, the configuration's default) written to every
    // switch that does not hold it yet, under the lock that keeps the kept mode and the keyboards
    // in step. Writes (and logs) nothing when all do, or when it cannot have the lock.
    static ServiceAnswer applyKept(const SysfsKeyboards &keyboards, const KeptMode &kept,
                                   const KeyboardConfig &config);

    // The hardware told that a switch may have been changed on the keyboard itself (Fn+Esc in
    // firmware): reads them again, and a switch now in another mode than it was and than the
    // kept one makes that mode the kept one, given to the other keyboards too (unless it cannot
    // be kept, or the configuration is unusable: then nothing is written). Only a keyboard's
    // notice may lead here: the service's own writes are never taken for one, and every other
    // look at the switches only reads them.
    void followHardware();
    // Something that tells of no change on a keyboard (one came or went): only read again.
    void readSwitches();
    // Asked before every look that has no notice behind it: whether the hardware has told of a
    // change that has not reached the event loop yet. Such a look is then one that follows, so
    // a property read just before the notice is handled cannot take the keyboard's change for
    // the service's own reading and leave it unfollowed.
    void setNoticePending(std::function<bool()> pending) { noticePending_ = std::move(pending); }
    // While any subscriber is on the bus the service stays, to tell it of such changes; one
    // that leaves is forgotten through callerLeft().
    void subscribe(const QString &name);

signals:
    void propertiesChanged(const QStringList &names);
    void modeChangedByKeyboard(const QString &mode);
    void idle();
    void drained();
    // The first subscriber came, or the last one left: the keyboards are read only meanwhile.
    void subscribersChanged(bool any);

private:
    void authorised(const Caller &caller, std::function<void(ServiceAnswer)> answer,
                    std::function<ServiceAnswer()> change);
    void timedOut();
    // What a change under the lock leads to, told once the lock is given back: whoever hears
    // it may well read the properties, which takes the lock again.
    struct News {
        QStringList properties;
        std::optional<KeyboardMode> byKeyboard;
    };
    // Runs `change` with the lock held (or why it could not be), then tells what it led to.
    ServiceAnswer
    underLock(const std::function<ServiceAnswer(const QString &lockFailure, News &news)> &change);
    // Like underLock, but a lock that cannot be had is the answer, and `change` is not run: no
    // switch is written without it.
    ServiceAnswer writeUnderLock(const std::function<ServiceAnswer(News &news)> &change);
    void tell(const News &news);
    // Reads the switches again, and adopts a keyboard's change only when told to follow it.
    void look(bool followKeyboard);
    // These expect the lock held.
    // Reads the switches, tells whether the readings moved, and returns the mode a known
    // keyboard's switch moved to if it differs from the kept one; only follow() adopts it.
    std::optional<KeyboardMode> readAgain(News &news);
    void follow(News &news);
    // The mode is kept before any switch is written, and no switch is written unless it was.
    ServiceAnswer keepAndWrite(KeyboardMode mode, News &news);
    ServiceAnswer applyAllowed(News &news);
    ServiceAnswer write(KeyboardMode mode, News &news);
    bool allHold(KeyboardMode mode) const;
    std::optional<QString> keep(KeyboardMode mode);
    // Takes the switches' readings as they are now as the service's own, to compare with later.
    QList<Keyboard> noteReadings();

    SysfsKeyboards keyboards_;
    KeptMode kept_;
    DeferredFlush durable_;
    PendingChecks checks_;
    QTimer idleTimer_;
    bool draining_ = false;
    bool stopping_ = false;
    QDeadlineTimer drainEnd_;
    QHash<QString, KeyboardMode> readings_;
    QList<Keyboard> lastFound_;
    QSet<QString> subscribers_;
    std::optional<KeyboardMode> defaultMode_;
    std::optional<QString> unusableConfig_;
    std::function<bool()> noticePending_;
};
