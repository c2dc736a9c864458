// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "portal/PortalSignal.h"

#include "portal/PortalNames.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

class PortalSignalListener : public QObject {
    Q_OBJECT
public:
    PortalSignalListener(const QDBusConnection &bus, const QString &path, const QString &interface,
                         const QString &name, PortalSignalHandler handler)
        : bus_(bus), path_(path), interface_(interface), name_(name), handler_(std::move(handler)) {
        listening_ = bus_.connect(portal::service, path_, interface_, name_, this,
                                  SLOT(onSignal(QDBusMessage)));
    }
    ~PortalSignalListener() override {
        if (listening_)
            bus_.disconnect(portal::service, path_, interface_, name_, this,
                            SLOT(onSignal(QDBusMessage)));
    }
    bool listening() const { return listening_; }

private Q_SLOTS:
    void onSignal(const QDBusMessage &message) { handler_(message.path(), message.arguments()); }

private:
    QDBusConnection bus_;
    QString path_;
    QString interface_;
    QString name_;
    PortalSignalHandler handler_;
    bool listening_ = false;
};

} // namespace

std::unique_ptr<QObject> listenToPortal(const QDBusConnection &bus, const QString &path,
                                        const QString &interface, const QString &name,
                                        PortalSignalHandler handler) {
    auto listener =
        std::make_unique<PortalSignalListener>(bus, path, interface, name, std::move(handler));
    if (!listener->listening())
        return nullptr;
    return listener;
}

#include "PortalSignal.moc"
