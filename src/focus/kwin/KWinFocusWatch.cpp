// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "focus/kwin/KWinFocusWatch.h"

#include "focus/ApplicationId.h"
#include "focus/kwin/FocusScript.h"
#include "logging/LoggingCategories.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTemporaryFile>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {
const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scriptingPath = QStringLiteral("/Scripting");
const QString scriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
const QString scriptInterface = QStringLiteral("org.kde.kwin.Script");
const QString focusPath = QStringLiteral("/org/vantel/Vantel/Focus");
// Taking the script back runs on the way out; a KWin that hangs must not hold the exit long.
constexpr int unloadTimeoutMs = 1000;
// How long KWin gets to offer its scripting once it is on the bus.
constexpr int scriptingWaitMs = 500;
constexpr int scriptingWaitsAtMost = 20;

// The application a window KWin reported belongs to: its desktop file name, else its resource
// class, empty when neither is a sound id. Nothing for the panel's windows and for windows
// carrying one of `ownIds`, which leave the application in front as it was.
std::optional<QString> applicationOf(const QString &desktopFileName, const QString &resourceClass,
                                     const QStringList &ownIds) {
    if (desktopFileName == QLatin1String("org.kde.plasmashell") ||
        resourceClass == QLatin1String("plasmashell"))
        return std::nullopt;
    // Anyone on the session bus can call the focus object, so what it is told is checked first.
    const QString name = usableApplicationId(desktopFileName);
    const QString id = name.isEmpty() ? usableApplicationId(resourceClass) : name;
    if (!id.isEmpty() && ownIds.contains(id))
        return std::nullopt;
    return id;
}
} // namespace

// The object KWin's script calls; reports only what comes from `sender`, the connection
// KWin answered the load from.
class KWinActivationReceiver : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vantel.Vantel.Focus")
public:
    using Report = std::function<void(const QString &, const QString &, const QString &)>;
    explicit KWinActivationReceiver(Report report) : report_(std::move(report)) {}

public Q_SLOTS:
    Q_SCRIPTABLE void WindowActivated(const QString &desktopFileName,
                                      const QString &resourceClass) {
        report_(message().service(), desktopFileName, resourceClass);
    }

private:
    Report report_;
};

KWinFocusWatch::KWinFocusWatch(const QDBusConnection &bus, QObject *parent)
    : FocusWatch(parent), bus_(std::make_unique<QDBusConnection>(bus)) {
    ownIds_ << QStringLiteral("org.vantel.Vantel");
    if (!QGuiApplication::desktopFileName().isEmpty())
        ownIds_ << QGuiApplication::desktopFileName();
}

KWinFocusWatch::~KWinFocusWatch() {
    stop();
}

void KWinFocusWatch::start() {
    if (receiver_)
        return;
    running_ = true;
    receiver_ = std::make_unique<KWinActivationReceiver>([this](const QString &sender,
                                                                const QString &desktopFileName,
                                                                const QString &resourceClass) {
        if (sender == kwinSender_)
            windowActivated(desktopFileName, resourceClass);
        else
            qCDebug(lcFocus) << "ignoring a focus report from" << sender;
    });
    if (!bus_->registerObject(focusPath, receiver_.get(), QDBusConnection::ExportScriptableSlots)) {
        setReason(QCoreApplication::translate(
            "FocusWatch", "KWin's reports cannot be received on the session bus"));
        return;
    }
    // KWin coming back (it restarts itself after a crash, the session going on) has lost the
    // script.
    auto *watcher = new QDBusServiceWatcher(kwinService, *bus_,
                                            QDBusServiceWatcher::WatchForRegistration |
                                                QDBusServiceWatcher::WatchForUnregistration);
    connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { load(); });
    connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] { kwinLeft(); });
    kwinWatcher_.reset(watcher);
    load();
}

void KWinFocusWatch::stop() {
    if (!running_)
        return;
    running_ = false;
    ++generation_;
    // Sent also while a load is still on its way: KWin answers in order, so this comes after.
    QDBusMessage unload = QDBusMessage::createMethodCall(
        kwinService, scriptingPath, scriptingInterface, QStringLiteral("unloadScript"));
    unload.setArguments({QString::fromLatin1(pluginName)});
    if (kwinWatcher_)
        bus_->call(unload, QDBus::Block, unloadTimeoutMs);
    kwinWatcher_.reset();
    bus_->unregisterObject(focusPath);
    receiver_.reset();
    script_.reset();
    kwinSender_.clear();
}

void KWinFocusWatch::load() {
    if (!script_) {
        auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                     QStringLiteral("/vantel-focus-XXXXXX.js"));
        if (!file->open() || file->write(kwinFocusScript(QCoreApplication::applicationPid())) < 0 ||
            !file->flush()) {
            setReason(QCoreApplication::translate("FocusWatch",
                                                  "The script for KWin cannot be written: %1")
                          .arg(file->errorString()));
            return;
        }
        script_ = std::move(file);
    }
    ++generation_;
    // A run that crashed left its script loaded under the same name, which KWin would refuse
    // to load again; whatever the answer, nothing of ours is loaded afterwards.
    callScripting(scriptingPath, scriptingInterface, QStringLiteral("unloadScript"),
                  {QString::fromLatin1(pluginName)}, [this](QDBusPendingCallWatcher *) {
                      callScripting(scriptingPath, scriptingInterface, QStringLiteral("loadScript"),
                                    {script_->fileName(), QString::fromLatin1(pluginName)},
                                    [this](QDBusPendingCallWatcher *call) { loaded(call); });
                  });
}

void KWinFocusWatch::loaded(QDBusPendingCallWatcher *call) {
    const QDBusPendingReply<int> reply = *call;
    if (reply.isError() && reply.error().type() == QDBusError::UnknownObject &&
        scriptingWaits_ < scriptingWaitsAtMost) {
        // KWin takes its name before it offers its scripting, and Vantel may start in between.
        ++scriptingWaits_;
        qCDebug(lcFocus) << "waiting for KWin to offer its scripting";
        QTimer::singleShot(scriptingWaitMs, this, [this, generation = generation_] {
            if (running_ && generation == generation_)
                load();
        });
    } else if (reply.isError()) {
        qCInfo(lcFocus) << "cannot load a KWin script:" << reply.error().message();
        setReason(QCoreApplication::translate("FocusWatch",
                                              "KWin's scripting is not on the session bus"));
    } else if (reply.value() < 0) {
        setReason(QCoreApplication::translate(
            "FocusWatch", "KWin refused the script that tells the application in front"));
    } else {
        scriptingWaits_ = 0;
        kwinSender_ = reply.reply().service();
        run(reply.value(), true);
    }
}

void KWinFocusWatch::run(int scriptId, bool plasma6Path) {
    const QString path = plasma6Path ? QStringLiteral("/Scripting/Script%1").arg(scriptId)
                                     : QStringLiteral("/%1").arg(scriptId);
    callScripting(path, scriptInterface, QStringLiteral("run"), {},
                  [this, scriptId, plasma6Path](QDBusPendingCallWatcher *call) {
                      const QDBusPendingReply<> reply = *call;
                      if (reply.isError() && plasma6Path &&
                          reply.error().type() == QDBusError::UnknownObject) {
                          run(scriptId, false);
                      } else if (reply.isError()) {
                          qCInfo(lcFocus)
                              << "KWin did not run its script:" << reply.error().message();
                          setReason(QCoreApplication::translate(
                              "FocusWatch", "KWin refused the script that tells the "
                                            "application in front"));
                      } else {
                          qCInfo(lcFocus) << "following the focus through a KWin script";
                          setReason({});
                      }
                  });
}

void KWinFocusWatch::callScripting(const QString &path, const QString &interface,
                                   const QString &method, const QVariantList &arguments,
                                   std::function<void(QDBusPendingCallWatcher *)> done) {
    QDBusMessage message = QDBusMessage::createMethodCall(kwinService, path, interface, method);
    message.setArguments(arguments);
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(message), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this,
        [this, generation = generation_, done = std::move(done)](QDBusPendingCallWatcher *call) {
            call->deleteLater();
            if (running_ && generation == generation_)
                done(call);
        });
}

void KWinFocusWatch::windowActivated(const QString &desktopFileName, const QString &resourceClass) {
    const std::optional<QString> id = applicationOf(desktopFileName, resourceClass, ownIds_);
    if (!id || *id == application_)
        return;
    qCDebug(lcFocus) << "KWin reports" << *id << "in front";
    application_ = *id;
    Q_EMIT applicationChanged(application_);
}

void KWinFocusWatch::kwinLeft() {
    ++generation_;
    scriptingWaits_ = 0;
    kwinSender_.clear();
    setReason(QCoreApplication::translate("FocusWatch", "KWin has left the session bus"));
}

void KWinFocusWatch::setReason(const QString &reason) {
    if (reason == reason_)
        return;
    reason_ = reason;
    if (!reason.isEmpty())
        qCInfo(lcFocus) << reason;
    Q_EMIT availabilityChanged();
}

#include "KWinFocusWatch.moc"
