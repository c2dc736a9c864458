#pragma once

#include "keyboard/Authorizer.h"
#include "keyboard/KeptMode.h"
#include "keyboard/PendingChecks.h"
#include "keyboard/SysfsKeyboards.h"

#include <QObject>
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
    // An idle time of zero means never idle.
    KeyboardService(SysfsKeyboards keyboards, KeptMode kept, Authorizer &authorizer,
                    std::chrono::seconds idleTime, PendingChecks::Limits limits = {});

    // Device names come from the hardware: only printable, and not too long.
    QList<Keyboard> keyboards();
    QString mode();
    // Answers through `answer`, later, once the caller has been authorised (or refused).
    void setMode(const QString &mode, const Caller &caller,
                 std::function<void(ServiceAnswer)> answer);
    // Gives the keyboards the kept mode again; asks like setMode unless nothing would change.
    void apply(const Caller &caller, std::function<void(ServiceAnswer)> answer);
    void callerLeft(const QString &name);
    // Any call counts as activity and postpones the idle exit.
    void touch();
    // No longer waits to be idle: emits drained() once no check is pending and no call has come
    // for `quiet`.
    void drain(std::chrono::milliseconds quiet);

    // The kept mode written to every switch that does not hold it yet, under the lock that
    // keeps the kept mode and the keyboards in step. Writes (and logs) nothing when all do.
    static ServiceAnswer applyKept(const SysfsKeyboards &keyboards, const KeptMode &kept);

signals:
    void propertiesChanged(const QStringList &names);
    void idle();
    void drained();

private:
    void authorised(const Caller &caller, std::function<void(ServiceAnswer)> answer,
                    std::function<ServiceAnswer()> change);
    void timedOut();
    ServiceAnswer keepAndWrite(KeyboardMode mode);

    SysfsKeyboards keyboards_;
    KeptMode kept_;
    PendingChecks checks_;
    QTimer idleTimer_;
    bool draining_ = false;
};
