#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class QDBusConnection;

// The portal session and the shortcuts bound in it. Made on the first add and closed on the
// last remove (or destruction), which gives the shortcuts back; binds once per add, never again
// on its own, since some desktops ask the user every time.
class PortalSession : public QObject {
    Q_OBJECT
public:
    struct Shortcut {
        QString description;
        // In the portal's notation ("LOGO+ALT+f").
        QString trigger;
    };

    explicit PortalSession(const QDBusConnection &bus, QObject *parent = nullptr);
    ~PortalSession() override;

    void add(const QString &id, const Shortcut &shortcut);
    void remove(const QString &id);

Q_SIGNALS:
    // A press of the shortcut `id` in this session.
    void pressed(const QString &id);
    // The portal refused `id`, the user declined it or the desktop ended the session.
    void failed(const QString &id, const QString &reason);

private:
    enum class State { Closed, Creating, Open };

    void create();
    void startSession();
    void created(uint response, const QVariantMap &results);
    void bind();
    void bound(uint response, const QVariantMap &results, const QStringList &ids);
    bool listenForPresses();
    void activated(const QString &session, const QString &id);
    void closedByDesktop();
    void fail(const QStringList &ids, const QString &reason);
    void close();

    std::unique_ptr<QDBusConnection> bus_;
    QMap<QString, Shortcut> shortcuts_;
    State state_ = State::Closed;
    QString handle_;
    bool binding_ = false;
    bool bindAgain_ = false;
    std::unique_ptr<QObject> presses_;
    std::unique_ptr<QObject> closing_;
};
