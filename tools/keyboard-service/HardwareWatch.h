// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
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
// A keyboard is read only while someone listens, only through the device the kernel numbered
// for it, and only for Fn+Esc: the kernel drops every other key before this process sees it.
class HardwareWatch : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString inputDirectory = QStringLiteral("/dev/input");
        // A regular file cannot raise POLLPRI: for a sysfs tree of a test's own, a finished write
        // to a watched file stands for the kernel's notice.
        bool writesAreNotices = false;
        // A test's own tree has no device numbers: a FIFO or plain file in the input directory
        // stands for a keyboard there, read without a mask. Character devices are always checked.
        bool streamsStandIn = false;
    };

    HardwareWatch(SysfsKeyboards keyboards, Options options);
    ~HardwareWatch() override;

    // Looks for switches and keyboards again and watches the new ones; done at start and
    // whenever an input device comes or goes.
    void refresh();
    // Opens the keyboards that send Fn+Esc, or closes them all; the switches' notices are
    // watched either way.
    void followKeys(bool follow);
    // Whether a notice or an Fn+Esc is waiting that the event loop has not handed on yet; looks
    // only, so the notice still arrives as noticed() later.
    bool noticePending() const;

signals:
    void noticed();
    void devicesChanged();

private:
    struct Watched;
    void watchFile(const QString &relative);
    void watchDevice(const QString &name);
    int openDevice(const QString &name, QString &why) const;
    void readDevice(const QString &name);
    void readInotify();
    void forget(QHash<QString, std::shared_ptr<Watched>> &table, const QString &key);

    SysfsKeyboards keyboards_;
    Options options_;
    int inotify_ = -1;
    std::unique_ptr<QSocketNotifier> inotifyNotifier_;
    QHash<QString, std::shared_ptr<Watched>> files_;
    QHash<QString, std::shared_ptr<Watched>> devices_;
    bool followKeys_ = false;
    // Why each keyboard that could not be watched was not, so that it is told once.
    QHash<QString, QString> refused_;
};
