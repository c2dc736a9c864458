#pragma once

#include "keyboard-service/SysfsKeyboards.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// Tells when a switch may have been changed behind the service's back: the kernel's notice on a
// switch or on a file the driver names (poll() for POLLPRI), and Fn+Esc arriving on a keyboard
// that sends it. Costs nothing while nothing happens: no timers, only descriptors the event loop
// waits on. What changed is for the caller to read; a notice may also follow its own writes.
class HardwareWatch : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString inputDirectory = QStringLiteral("/dev/input");
        // A regular file cannot raise POLLPRI: for a sysfs tree of a test's own, a finished write
        // to a watched file stands for the kernel's notice.
        bool writesAreNotices = false;
    };

    HardwareWatch(SysfsKeyboards keyboards, Options options);
    ~HardwareWatch() override;

    // Looks for switches and keyboards again and watches the new ones; done at start and
    // whenever an input device comes or goes.
    void refresh();

signals:
    void noticed();
    void devicesChanged();

private:
    struct Watched;
    void watchFile(const QString &relative);
    void watchDevice(const QString &name);
    void readDevice(const QString &name);
    void readInotify();
    void forget(QHash<QString, std::shared_ptr<Watched>> &table, const QString &key);

    SysfsKeyboards keyboards_;
    Options options_;
    int inotify_ = -1;
    std::unique_ptr<QSocketNotifier> inotifyNotifier_;
    QHash<QString, std::shared_ptr<Watched>> files_;
    QHash<QString, std::shared_ptr<Watched>> devices_;
};
