// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "shortcuts/portal/PortalSession.h"

#include "portal/PortalNames.h"
#include "portal/PortalRequest.h"
#include "portal/PortalSignal.h"

#include "logging/LoggingCategories.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QLoggingCategory>
#include <QPointer>

namespace {

// Blocking, since it runs on the way out; a portal that hangs must not hold the exit for long.
constexpr int closeTimeoutMs = 1000;

// The same at every start: desktops that know no application id for the caller keep the
// shortcuts under the session's token, and a token of its own per start would leave each start's
// binding behind, still holding the keys the next start asks for.
const QString sessionToken = QStringLiteral("vantel");

// One entry of the a(sa{sv}) lists the portal takes and answers with.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

// Portals send the session handle as a string or, some of them, as an object path.
QString objectPathText(const QVariant &value) {
    if (value.canConvert<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

// Listeners are let go later: the call may come from inside one of their slots.
void dropLater(std::unique_ptr<QObject> &listener) {
    if (listener)
        listener.release()->deleteLater();
}

QString refusal(uint response, const QVariantMap &results) {
    if (response == PortalRequest::cancelled)
        return QStringLiteral("the user declined the shortcut");
    const QString error = results.value(QStringLiteral("error")).toString();
    return error.isEmpty()
               ? QStringLiteral("the desktop could not bind the shortcut (%1)").arg(response)
               : error;
}
} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

PortalSession::PortalSession(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), bus_(std::make_unique<QDBusConnection>(bus)) {
    // Without these QtDBus can neither send the bind list nor read the bound one.
    qRegisterMetaType<QDBusObjectPath>();
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
}

PortalSession::~PortalSession() {
    close();
}

void PortalSession::add(const QString &id, const Shortcut &shortcut) {
    shortcuts_.insert(id, shortcut);
    if (state_ == State::Closed)
        create();
    else if (state_ == State::Open && !binding_)
        bind();
    else if (binding_)
        bindAgain_ = true;
}

void PortalSession::remove(const QString &id) {
    shortcuts_.remove(id);
    if (shortcuts_.isEmpty())
        close();
}

void PortalSession::create() {
    // Presses are unicast to the session's owner; listening first loses none to a race.
    if (!listenForPresses()) {
        fail(shortcuts_.keys(), QStringLiteral("cannot subscribe to the portal's presses"));
        return;
    }
    state_ = State::Creating;
    // Asking for the interface's version first tells a portal without global shortcuts (as on
    // wlroots desktops) apart from one that refused.
    QDBusMessage get = QDBusMessage::createMethodCall(
        portal::service, portal::path, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get.setArguments({portal::shortcuts, QStringLiteral("version")});
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *done) {
                done->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *done;
                if (reply.isError()) {
                    state_ = State::Closed;
                    fail(shortcuts_.keys(), QStringLiteral("the desktop portal offers no global "
                                                           "shortcuts (%1)")
                                                .arg(reply.error().message()));
                } else if (shortcuts_.isEmpty()) {
                    state_ = State::Closed;
                } else {
                    version_ = reply.value().variant().toUInt();
                    qCDebug(lcPortal) << "global shortcuts portal version" << version_;
                    startSession();
                }
            });
}

void PortalSession::startSession() {
    auto *request = new PortalRequest(
        *bus_, [this](uint response, const QVariantMap &results) { created(response, results); },
        this);
    const QVariantMap options{{QStringLiteral("handle_token"), request->token()},
                              {QStringLiteral("session_handle_token"), sessionToken},
                              {QStringLiteral("shortcuts"), shortcutList()}};
    request->call(QStringLiteral("CreateSession"), {options});
}

void PortalSession::created(uint response, const QVariantMap &results) {
    const QString handle = objectPathText(results.value(QStringLiteral("session_handle")));
    if (response != PortalRequest::granted || handle.isEmpty()) {
        state_ = State::Closed;
        fail(shortcuts_.keys(), response == PortalRequest::granted
                                    ? QStringLiteral("the portal named no session")
                                    : refusal(response, results));
        return;
    }
    state_ = State::Open;
    handle_ = handle;
    // Shortcuts ungrabbed while the session was being made leave nothing to bind.
    if (shortcuts_.isEmpty()) {
        close();
        return;
    }
    // An ungrab and a new grab while the session was being made stopped the listening.
    if (!presses_ && !listenForPresses())
        qCInfo(lcPortal) << "cannot subscribe to the portal's presses";
    closing_ = listenToPortal(
        *bus_, handle_, portal::session, QStringLiteral("Closed"),
        [self = QPointer<PortalSession>(this)](const QString &, const QVariantList &) {
            if (self)
                self->closedByDesktop();
        });
    if (!closing_)
        qCInfo(lcPortal) << "cannot follow the closing of the portal session";
    // A desktop that took the shortcuts with the session answers a bind by opening its
    // settings, so only what it left out is bound.
    if (!report(results, shortcuts_.keys()).isEmpty())
        bind();
}

QVariant PortalSession::shortcutList() const {
    QList<PortalShortcut> list;
    for (auto it = shortcuts_.cbegin(); it != shortcuts_.cend(); ++it)
        list.append({it.key(),
                     {{QStringLiteral("description"), it->description},
                      {QStringLiteral("preferred_trigger"), it->trigger}}});
    return QVariant::fromValue(list);
}

void PortalSession::bind() {
    const QStringList ids = shortcuts_.keys();
    binding_ = true;
    auto *request = new PortalRequest(
        *bus_,
        [this, ids](uint response, const QVariantMap &results) {
            answered(response, results, ids);
        },
        this);
    const QVariantMap options{{QStringLiteral("handle_token"), request->token()}};
    request->call(QStringLiteral("BindShortcuts"), {QVariant::fromValue(QDBusObjectPath(handle_)),
                                                    shortcutList(), QString(), options});
}

void PortalSession::answered(uint response, const QVariantMap &results, const QStringList &ids) {
    binding_ = false;
    // Some desktops answer "other" even after the user added the shortcut in their dialog; the
    // list they send with it says what holds, whatever the response.
    const bool listed = results.contains(QStringLiteral("shortcuts"));
    const QStringList missing = listed ? report(results, ids) : ids;
    if (response != PortalRequest::granted && missing.size() == ids.size())
        fail(ids, refusal(response, results));
    else if (listed)
        fail(missing, QStringLiteral("the desktop left the shortcut unbound"));
    if (bindAgain_ && state_ == State::Open && !shortcuts_.isEmpty()) {
        bindAgain_ = false;
        bind();
    }
}

QStringList PortalSession::report(const QVariantMap &results, const QStringList &ids) {
    QStringList missing = ids;
    const QVariant listed = results.value(QStringLiteral("shortcuts"));
    // Anything but the list's own type is read as no list at all.
    if (!listed.canConvert<QDBusArgument>() ||
        listed.value<QDBusArgument>().currentSignature() != QLatin1String("a(sa{sv})"))
        return missing;
    for (const PortalShortcut &shortcut : qdbus_cast<QList<PortalShortcut>>(listed)) {
        if (missing.removeAll(shortcut.id) == 0)
            continue;
        const QString trigger =
            shortcut.properties.value(QStringLiteral("trigger_description")).toString();
        qCInfo(lcPortal).noquote() << "shortcut" << shortcut.id << "bound to" << trigger;
        Q_EMIT bound(shortcut.id, trigger);
    }
    return missing;
}

void PortalSession::changed(const QString &session, const QVariant &shortcuts) {
    if (state_ == State::Open && session == handle_)
        report({{QStringLiteral("shortcuts"), shortcuts}}, shortcuts_.keys());
}

bool PortalSession::listenForPresses() {
    const QPointer<PortalSession> self(this);
    presses_ = listenToPortal(*bus_, portal::path, portal::shortcuts, QStringLiteral("Activated"),
                              [self](const QString &, const QVariantList &arguments) {
                                  if (self && arguments.size() >= 2)
                                      self->activated(objectPathText(arguments.at(0)),
                                                      arguments.at(1).toString());
                              });
    // The user may give the shortcut other keys in the desktop's settings later on.
    changes_ =
        listenToPortal(*bus_, portal::path, portal::shortcuts, QStringLiteral("ShortcutsChanged"),
                       [self](const QString &, const QVariantList &arguments) {
                           if (self && arguments.size() >= 2)
                               self->changed(objectPathText(arguments.at(0)), arguments.at(1));
                       });
    return presses_ != nullptr;
}

void PortalSession::activated(const QString &session, const QString &id) {
    if (state_ == State::Open && session == handle_ && shortcuts_.contains(id))
        Q_EMIT pressed(id);
}

void PortalSession::closedByDesktop() {
    qCInfo(lcPortal) << "the desktop closed the shortcut session";
    state_ = State::Closed;
    handle_.clear();
    dropLater(closing_);
    fail(shortcuts_.keys(), QStringLiteral("the desktop closed the shortcut session"));
}

void PortalSession::fail(const QStringList &ids, const QString &reason) {
    for (const QString &id : ids) {
        qCDebug(lcPortal).noquote() << "no global shortcut" << id << "-" << reason;
        Q_EMIT failed(id, reason);
    }
}

void PortalSession::close() {
    if (state_ == State::Open) {
        dropLater(closing_);
        const QDBusMessage reply =
            bus_->call(QDBusMessage::createMethodCall(portal::service, handle_, portal::session,
                                                      QStringLiteral("Close")),
                       QDBus::Block, closeTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage)
            qCInfo(lcPortal) << "closing the shortcut session failed:" << reply.errorMessage();
        handle_.clear();
    }
    dropLater(presses_);
    dropLater(changes_);
    // A session still being made is closed as soon as its handle arrives.
    if (state_ == State::Open)
        state_ = State::Closed;
}

bool PortalSession::canConfigure() const {
    return state_ == State::Open && version_ >= 2;
}

void PortalSession::configure() {
    if (!canConfigure())
        return;
    // No parent window: the dialog belongs to the desktop, not to one of the program's windows.
    QDBusMessage call = QDBusMessage::createMethodCall(
        portal::service, portal::path, portal::shortcuts, QStringLiteral("ConfigureShortcuts"));
    call.setArguments({QVariant::fromValue(QDBusObjectPath(handle_)), QString(), QVariantMap()});
    bus_->asyncCall(call);
}
