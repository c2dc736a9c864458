// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// A session bus of the test's own on which the keyboard service is started on demand, the way the
// system bus starts it: the first call to org.vantel.Keyboard1 runs the built service with the
// test's sysfs tree and state directory. Everything stops with the object.
class ServiceBus {
public:
    struct Options {
        QString sysfsRoot;
        QString stateDir;
        int idleSeconds = 0;
        bool activatable = true;
        QString inputDir;   // where the service looks for input devices; its own default if empty
        QString configFile; // the administrator's settings; none if empty
        QStringList extraArguments;
    };

    explicit ServiceBus(const Options &options);
    ~ServiceBus();

    bool isRunning() const { return running_; }
    QString address() const { return address_; }
    // A new connection to the bus, under a name unique in the process.
    QDBusConnection connect(const QString &name);
    // Sends a call and waits for its answer while this process keeps serving the bus.
    static QDBusMessage call(QDBusConnection &bus, const QDBusMessage &message);
    // A call on the service's interface, or on its properties for Get/GetAll.
    static QDBusMessage serviceCall(const QString &member, const QVariantList &arguments = {});
    // Whether the service currently owns its name.
    bool serviceRunning();
    // Environment for programs run against this bus, with a system bus where nothing listens.
    QProcessEnvironment environment() const;

    static QString binary(const QString &name);
    // Lets every user into `folder`, as the system's own folders are: some tests call as
    // another user, and polkitd gives up root for its own.
    static void openToEveryone(const QString &folder);

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
    bool running_ = false;
    QStringList connections_;
};

// Keeps the last PropertiesChanged payload a test subscribed it to.
class SignalRecorder : public QObject {
    Q_OBJECT
public:
    int count() const { return count_; }
    QVariantMap changed() const { return changed_; }
    // The first argument of every signal received, for signals that carry a string.
    QStringList firstArguments() const { return firsts_; }

public slots:
    void record(const QDBusMessage &signal) {
        ++count_;
        firsts_.append(signal.arguments().value(0).toString());
        QVariantMap changed;
        signal.arguments().value(1).value<QDBusArgument>() >> changed;
        changed_.insert(changed);
    }

private:
    int count_ = 0;
    QVariantMap changed_;
    QStringList firsts_;
};
