// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/colours/PanelModeWatch.h"

#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLoggingCategory>

namespace {

// Receives the store's signal, whose value type must not leak into the class's header.
class XfconfSignal : public QObject {
    Q_OBJECT
public:
    explicit XfconfSignal(PanelModeWatch *watch) : QObject(watch), watch_(watch) {}

public slots:
    // Whatever the panel hands its plugins (their size, mode, background): rare, and all of it
    // may change how the tray draws its icons.
    void pluginSettings(const QDBusMessage &) {
        qCDebug(lcTray) << "the panel changed its plugins' settings";
        emit watch_->changed();
    }
    void propertyChanged(const QString &channel, const QString &property, const QDBusVariant &) {
        emit watch_->propertyChanged(channel, property);
    }

private:
    PanelModeWatch *watch_;
};

} // namespace

bool changesPanelLook(const QString &channel, const QString &property) {
    return channel == u"xfce4-panel" && property == u"/panels/dark-mode";
}

PanelModeWatch::PanelModeWatch(const QString &busName, QObject *parent) : QObject(parent) {
    QDBusConnection bus(busName);
    if (!bus.isConnected())
        return;
    qRegisterMetaType<QDBusVariant>();
    // Any sender: the store may start after the program, and a match on a name it does not own
    // yet would never fire.
    auto *receiver = new XfconfSignal(this);
    // One wrapper object per plugin, each under a path of its own.
    if (!bus.connect(QString(), QStringLiteral("/org/xfce/Xfconf"),
                     QStringLiteral("org.xfce.Xfconf"), QStringLiteral("PropertyChanged"), receiver,
                     SLOT(propertyChanged(QString, QString, QDBusVariant))) ||
        !bus.connect(QString(), QString(), QStringLiteral("org.xfce.Panel.Wrapper"),
                     QStringLiteral("Set"), receiver, SLOT(pluginSettings(QDBusMessage))))
        qCDebug(lcTray) << "cannot follow the panel's settings:" << bus.lastError().message();
    connect(this, &PanelModeWatch::propertyChanged, this,
            [this](const QString &channel, const QString &property) {
                if (!changesPanelLook(channel, property))
                    return;
                qCDebug(lcTray) << "the panel's look changed:" << property;
                emit changed();
            });
}

#include "PanelModeWatch.moc"
