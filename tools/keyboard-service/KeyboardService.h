#pragma once

#include "keyboard-service/Authorizer.h"
#include "keyboard-service/KeptMode.h"
#include "keyboard-service/SysfsKeyboards.h"

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
                    std::chrono::seconds idleTime);

    QList<Keyboard> keyboards();
    QString mode();
    // Answers through `answer`, later, once the caller has been authorised (or refused).
    void setMode(const QString &mode, const QString &caller,
                 std::function<void(ServiceAnswer)> answer);
    ServiceAnswer apply();
    // Any call counts as activity and postpones the idle exit.
    void touch();

signals:
    void propertiesChanged(const QStringList &names);
    void idle();

private:
    ServiceAnswer keepAndWrite(KeyboardMode mode);
    ServiceAnswer write(KeyboardMode mode, const QStringList &earlierFailures);

    SysfsKeyboards keyboards_;
    KeptMode kept_;
    Authorizer &authorizer_;
    QTimer idleTimer_;
    int pendingChecks_ = 0;
};
