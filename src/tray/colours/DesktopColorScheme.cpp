// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "tray/colours/DesktopColorScheme.h"

#include "logging/LoggingCategories.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QLoggingCategory>

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settings = QStringLiteral("org.freedesktop.portal.Settings");
const QString group = QStringLiteral("org.freedesktop.appearance");
const QString key = QStringLiteral("color-scheme");

// Receives the portal's signal, whose value type must not leak into the class's header.
class SettingsSignal : public QObject {
    Q_OBJECT
public:
    explicit SettingsSignal(DesktopColorScheme *scheme) : QObject(scheme), scheme_(scheme) {}

public slots:
    void settingChanged(const QString &changedGroup, const QString &changedKey,
                        const QDBusVariant &value) {
        emit scheme_->settingChanged(changedGroup, changedKey, QVariant::fromValue(value));
    }

private:
    DesktopColorScheme *scheme_;
};

} // namespace

DesktopColorScheme::Scheme colorSchemeFromValue(const QVariant &value) {
    QVariant inner = value;
    // Two layers at most: a deeper one is no answer any portal gives.
    for (int layer = 0; layer < 2 && inner.metaType() == QMetaType::fromType<QDBusVariant>();
         ++layer)
        inner = inner.value<QDBusVariant>().variant();
    if (inner.metaType() != QMetaType::fromType<uint>() &&
        inner.metaType() != QMetaType::fromType<int>())
        return DesktopColorScheme::Scheme::noPreference;
    switch (inner.toUInt()) {
    case 1:
        return DesktopColorScheme::Scheme::dark;
    case 2:
        return DesktopColorScheme::Scheme::light;
    default:
        return DesktopColorScheme::Scheme::noPreference;
    }
}

QString DesktopColorScheme::sessionBusName() {
    return QDBusConnection::sessionBus().name();
}

DesktopColorScheme::DesktopColorScheme(const QString &busName, QObject *parent)
    : QObject(parent), busName_(busName) {
    QDBusConnection bus(busName_);
    if (!bus.isConnected())
        return;
    // A string-signature connect fails quietly while the slot's argument types are unknown to
    // the meta-type system, which they are until something first registers them.
    qRegisterMetaType<QDBusVariant>();
    if (!bus.connect(service, path, settings, QStringLiteral("SettingChanged"),
                     new SettingsSignal(this),
                     SLOT(settingChanged(QString, QString, QDBusVariant))))
        qCInfo(lcPortal) << "cannot follow the desktop colour scheme:" << bus.lastError().message();
    connect(this, &DesktopColorScheme::settingChanged, this,
            [this](const QString &changedGroup, const QString &changedKey, const QVariant &value) {
                if (changedGroup != group || changedKey != key)
                    return;
                heardChange_ = true;
                take(value);
            });
    ask(QStringLiteral("ReadOne"));
}

void DesktopColorScheme::ask(const QString &method) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, settings, method);
    call << group << key;
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection(busName_).asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, method] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *watcher;
        if (reply.isError()) {
            // Portals before version 2 of the interface know only the older Read.
            if (method == u"ReadOne" && reply.error().type() == QDBusError::UnknownMethod)
                return ask(QStringLiteral("Read"));
            qCDebug(lcPortal) << "no desktop colour scheme:" << reply.error().message();
            return;
        }
        if (!heardChange_)
            take(QVariant::fromValue(reply.value()));
    });
}

void DesktopColorScheme::take(const QVariant &value) {
    const Scheme scheme = colorSchemeFromValue(value);
    if (scheme == scheme_)
        return;
    scheme_ = scheme;
    qCDebug(lcPortal) << "desktop colour scheme" << scheme;
    emit changed(scheme);
}

#include "DesktopColorScheme.moc"
