// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class QDBusConnection;

// The portal session and the shortcuts bound in it. Made on the first add and closed on the
// last remove (or destruction), which gives the shortcuts back. The shortcuts go with the
// session's creation, which some desktops take as the binding; they are bound separately only
// when the session's answer leaves any out, since other desktops answer a bind by opening their
// settings. Binds once per add, never again on its own, since some desktops ask the user every
// time.
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
    // Whether the session is open on a portal that lets the user rebind its shortcuts in the
    // desktop's own dialog (the interface's version 2 and later), and opens that dialog.
    bool canConfigure() const;
    void configure();

Q_SIGNALS:
    // A press of the shortcut `id` in this session.
    void pressed(const QString &id);
    // The desktop holds `id` for this session, on the keys it describes as `trigger` (empty
    // when it gave none).
    void bound(const QString &id, const QString &trigger);
    // The portal refused `id`, the user declined it or the desktop ended the session.
    void failed(const QString &id, const QString &reason);

private:
    enum class State { Closed, Creating, Open };

    void create();
    void startSession();
    void created(uint response, const QVariantMap &results);
    QVariant shortcutList() const;
    void bind();
    void answered(uint response, const QVariantMap &results, const QStringList &ids);
    // Reports what `results` lists as bound; returns the ids of `ids` it leaves out.
    QStringList report(const QVariantMap &results, const QStringList &ids);
    void changed(const QString &session, const QVariant &shortcuts);
    bool listenForPresses();
    void activated(const QString &session, const QString &id);
    void closedByDesktop();
    void fail(const QStringList &ids, const QString &reason);
    void close();

    std::unique_ptr<QDBusConnection> bus_;
    QMap<QString, Shortcut> shortcuts_;
    State state_ = State::Closed;
    QString handle_;
    uint version_ = 0;
    bool binding_ = false;
    bool bindAgain_ = false;
    std::unique_ptr<QObject> presses_;
    std::unique_ptr<QObject> closing_;
    std::unique_ptr<QObject> changes_;
};
