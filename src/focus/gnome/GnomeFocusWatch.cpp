// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/gnome/GnomeFocusWatch.h"

#include "focus/ApplicationId.h"
#include "logging/LoggingCategories.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QLoggingCategory>

#include <algorithm>

namespace {

const QString shellName = QStringLiteral("org.gnome.Shell");
const QString shellPath = QStringLiteral("/org/gnome/Shell");
const QString extensionsInterface = QStringLiteral("org.gnome.Shell.Extensions");
const QString focusPath = QStringLiteral("/org/vantel/Vantel/Focus");
const QString focusInterface = QStringLiteral("org.vantel.Vantel.Focus");
// Vantel's own windows (About) never count as the application in front.
const QString ownId = QStringLiteral("org.vantel.Vantel");

// The shell's numbers for an extension's state: running, failed to load, made for other shell
// versions, removed; and ours for one the shell does not know.
constexpr int stateRunning = 1;
constexpr int stateError = 3;
constexpr int stateOutOfDate = 4;
constexpr int stateUninstalled = 99;
constexpr int stateUnknown = -1;

// Whether the user can turn the extension on as it is: the build for other shell versions of
// the two installed never can.
bool canTurnOn(int state) {
    return state != stateOutOfDate && state != stateUninstalled && state != stateUnknown;
}

int stateOf(const QVariantMap &info) {
    const auto found = info.constFind(QStringLiteral("state"));
    return found == info.constEnd() ? stateUnknown : found->toInt();
}

} // namespace

// What the shell and its extension send: D-Bus types stay here, out of the header.
class ShellReports : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vantel.Vantel.Focus")
public:
    explicit ShellReports(GnomeFocusWatch *watch) : watch_(watch) {}

public Q_SLOTS:
    Q_SCRIPTABLE void ApplicationFocused(const QString &application) {
        watch_->take(message().service(), application);
    }
    void extensionStateChanged(const QString &id, const QVariantMap &info) {
        if (GnomeFocusWatch::extensionIds().contains(id))
            watch_->setState(id, stateOf(info));
    }

Q_SIGNALS:
    // Tells the extension that Vantel now listens, so that it reports what is in front: its
    // first report, made as Vantel's name appeared, may have come before the object existed.
    Q_SCRIPTABLE void Listening();

private:
    GnomeFocusWatch *watch_;
};

QStringList GnomeFocusWatch::extensionIds() {
    return {QStringLiteral("focus@vantel.org"), QStringLiteral("focus-45@vantel.org")};
}

GnomeFocusWatch::GnomeFocusWatch(const QDBusConnection &bus, QObject *parent)
    : FocusWatch(parent), busName_(bus.name()) {}

GnomeFocusWatch::~GnomeFocusWatch() {
    stop();
}

void GnomeFocusWatch::start() {
    if (started_)
        return;
    started_ = true;
    QDBusConnection bus(busName_);
    reports_ = std::make_unique<ShellReports>(this);
    if (!bus.registerObject(focusPath, reports_.get(),
                            QDBusConnection::ExportScriptableSlots |
                                QDBusConnection::ExportScriptableSignals))
        qCInfo(lcFocus) << "cannot offer" << focusPath << "on the session bus";
    bus.connect(shellName, shellPath, extensionsInterface, QStringLiteral("ExtensionStateChanged"),
                reports_.get(), SLOT(extensionStateChanged(QString, QVariantMap)));
    shellWatcher_ = std::make_unique<QDBusServiceWatcher>(shellName, bus,
                                                          QDBusServiceWatcher::WatchForOwnerChange);
    connect(shellWatcher_.get(), &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &owner) {
                shellOwnerChanged(owner);
            });
    askShell();
}

void GnomeFocusWatch::stop() {
    if (!started_)
        return;
    started_ = false;
    QDBusConnection bus(busName_);
    bus.unregisterObject(focusPath);
    bus.disconnect(shellName, shellPath, extensionsInterface,
                   QStringLiteral("ExtensionStateChanged"), reports_.get(),
                   SLOT(extensionStateChanged(QString, QVariantMap)));
    shellWatcher_.reset();
    reports_.reset();
}

QString GnomeFocusWatch::unavailableReason() const {
    const QList<int> states = states_.values();
    if (states.contains(stateRunning))
        return {};
    if (states.contains(stateError))
        return QCoreApplication::translate("FocusWatch",
                                           "Vantel's GNOME extension failed to start");
    if (std::any_of(states.begin(), states.end(), canTurnOn))
        return QCoreApplication::translate("FocusWatch", "Turn on Vantel in GNOME Extensions");
    // The shell finds newly installed extensions only when it starts.
    return QCoreApplication::translate("FocusWatch",
                                       "Log out and in, then turn on Vantel in GNOME Extensions");
}

void GnomeFocusWatch::take(const QString &sender, const QString &application) {
    if (sender != shellOwner_ || shellOwner_.isEmpty()) {
        qCDebug(lcFocus) << "focus report from" << sender << "ignored: it is not the shell";
        return;
    }
    // The object is open to every client of the session bus.
    if (usableApplicationId(application) != application) {
        qCDebug(lcFocus) << "focus report of an id no application has ignored";
        return;
    }
    if (application == ownId || application == application_)
        return;
    application_ = application;
    qCDebug(lcFocus) << "the shell reports in front:" << application_;
    Q_EMIT applicationChanged(application_);
}

void GnomeFocusWatch::setState(const QString &id, int state) {
    const QString before = unavailableReason();
    states_.insert(id, state);
    if (unavailableReason() != before)
        Q_EMIT availabilityChanged();
}

void GnomeFocusWatch::shellOwnerChanged(const QString &owner) {
    shellOwner_ = owner;
    if (owner.isEmpty()) {
        for (const QString &id : extensionIds())
            setState(id, stateUnknown);
        return;
    }
    askShell();
}

// The shell's owner first, so that the extension's answer to Listening is taken; then the
// extension's state under each of its ids.
void GnomeFocusWatch::askShell() {
    QDBusConnection bus(busName_);
    auto *owner = new QDBusPendingCallWatcher(
        bus.asyncCall(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                     QStringLiteral("/org/freedesktop/DBus"),
                                                     QStringLiteral("org.freedesktop.DBus"),
                                                     QStringLiteral("GetNameOwner"))
                      << shellName),
        reports_.get());
    connect(owner, &QDBusPendingCallWatcher::finished, reports_.get(), [this, owner] {
        owner->deleteLater();
        const QDBusPendingReply<QString> reply = *owner;
        if (reply.isError()) {
            qCInfo(lcFocus) << "GNOME Shell is not on the session bus";
            return;
        }
        shellOwner_ = reply.value();
        Q_EMIT reports_->Listening();
    });
    for (const QString &id : extensionIds()) {
        auto *info = new QDBusPendingCallWatcher(
            bus.asyncCall(QDBusMessage::createMethodCall(shellName, shellPath, extensionsInterface,
                                                         QStringLiteral("GetExtensionInfo"))
                          << id),
            reports_.get());
        connect(info, &QDBusPendingCallWatcher::finished, reports_.get(), [this, info, id] {
            info->deleteLater();
            const QDBusPendingReply<QVariantMap> reply = *info;
            setState(id, reply.isError() ? stateUnknown : stateOf(reply.value()));
        });
    }
}

#include "GnomeFocusWatch.moc"
