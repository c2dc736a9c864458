#pragma once

#include "keyboard/Authorizer.h"
#include "keyboard/KeptMode.h"
#include "keyboard/SysfsKeyboards.h"

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
    // An idle time of zero means never idle. The default mode is what Apply() writes while no
    // mode was ever kept.
    KeyboardService(SysfsKeyboards keyboards, KeptMode kept, Authorizer &authorizer,
                    std::chrono::seconds idleTime,
                    std::optional<KeyboardMode> defaultMode = std::nullopt);

    QList<Keyboard> keyboards();
    QString mode();
    // Answers through `answer`, later, once the caller has been authorised (or refused).
    void setMode(const QString &mode, const QString &caller,
                 std::function<void(ServiceAnswer)> answer);
    ServiceAnswer apply();
    // Any call counts as activity and postpones the idle exit.
    void touch();

    // A switch may have been changed on the keyboard itself (Fn+Esc in firmware): reads them
    // again, and a switch now in another mode than the kept one makes that mode the kept one,
    // given to the other keyboards too. The service's own writes are never taken for one.
    void followHardware();
    // While any subscriber is on the bus the service stays, to tell it of such changes.
    void subscribe(const QString &name);
    void unsubscribe(const QString &name);

signals:
    void propertiesChanged(const QStringList &names);
    void modeChangedByKeyboard(const QString &mode);
    void idle();

private:
    ServiceAnswer keepAndWrite(KeyboardMode mode);
    ServiceAnswer write(KeyboardMode mode, const QStringList &earlierFailures);
    // Takes the switches' readings as they are now as the service's own, to compare with later.
    QList<Keyboard> noteReadings();

    SysfsKeyboards keyboards_;
    KeptMode kept_;
    Authorizer &authorizer_;
    QTimer idleTimer_;
    int pendingChecks_ = 0;
    QHash<QString, KeyboardMode> readings_;
    QSet<QString> subscribers_;
    std::optional<KeyboardMode> defaultMode_;
};
