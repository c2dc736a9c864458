#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <atomic>

// A notification server that keeps every Notify call.
class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<QVariantList> calls;

public slots:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints,
                int timeout) {
        calls.append({app, replaces, icon, summary, body, actions, hints, timeout});
        return uint(calls.size());
    }
};

// A StatusNotifierWatcher that publishes its host property the way Qt reads it.
class FakeTrayWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
public:
    std::atomic<bool> host = false;
    bool isHostRegistered() const { return host; }

signals:
    void StatusNotifierHostRegistered();
};
