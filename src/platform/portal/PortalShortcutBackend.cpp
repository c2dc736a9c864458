#include "PortalShortcutBackend.h"

#include "PortalNames.h"
#include "PortalRequest.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QKeySequence>
#include <QLoggingCategory>
#include <QMap>
#include <QPointer>

namespace {
Q_LOGGING_CATEGORY(lcPortal, "vantel.portal", QtInfoMsg)

// Blocking, since it runs on the way out; a portal that hangs must not hold the exit for long.
constexpr int closeTimeoutMs = 1000;

// One entry of the a(sa{sv}) lists BindShortcuts takes and answers with.
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

// The portal session and the shortcuts bound in it. Created on the first grab and closed on the
// last ungrab; binds once per grab, never again on its own, since some desktops ask the user
// every time.
class PortalSession : public QObject {
    Q_OBJECT
public:
    struct Shortcut {
        QString description;
        QString trigger;
    };

    PortalSession(const QDBusConnection &bus, PortalShortcutBackend &backend)
        : bus_(bus), backend_(backend) {}
    ~PortalSession() override { close(); }

    void add(const QString &id, const Shortcut &shortcut);
    void remove(const QString &id);

private Q_SLOTS:
    void onActivated(const QDBusMessage &message);
    void onClosed();

private:
    enum class State { Closed, Creating, Open };

    void create();
    void startSession();
    void created(uint response, const QVariantMap &results);
    void bind();
    void bound(uint response, const QVariantMap &results, const QStringList &ids);
    bool listen(const QString &path, const QString &interface, const QString &name,
                const char *slot);
    void fail(const QStringList &ids, const QString &reason);
    void close();

    QDBusConnection bus_;
    PortalShortcutBackend &backend_;
    QMap<QString, Shortcut> shortcuts_;
    State state_ = State::Closed;
    QString handle_;
    bool binding_ = false;
    bool bindAgain_ = false;
};

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
    if (!listen(portal::path, portal::shortcuts, QStringLiteral("Activated"),
                SLOT(onActivated(QDBusMessage)))) {
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
    auto *watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get), this);
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
                    qCDebug(lcPortal)
                        << "global shortcuts portal version" << reply.value().variant().toUInt();
                    startSession();
                }
            });
}

void PortalSession::startSession() {
    auto *request = new PortalRequest(
        bus_, [this](uint response, const QVariantMap &results) { created(response, results); },
        this);
    const QVariantMap options{{QStringLiteral("handle_token"), request->token()},
                              {QStringLiteral("session_handle_token"), request->token()}};
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
    if (!listen(portal::path, portal::shortcuts, QStringLiteral("Activated"),
                SLOT(onActivated(QDBusMessage))))
        qCInfo(lcPortal) << "cannot subscribe to the portal's presses";
    if (!listen(handle_, portal::session, QStringLiteral("Closed"), SLOT(onClosed())))
        qCInfo(lcPortal) << "cannot follow the closing of the portal session";
    bind();
}

void PortalSession::bind() {
    QList<PortalShortcut> list;
    for (auto it = shortcuts_.cbegin(); it != shortcuts_.cend(); ++it)
        list.append({it.key(),
                     {{QStringLiteral("description"), it->description},
                      {QStringLiteral("preferred_trigger"), it->trigger}}});
    const QStringList ids = shortcuts_.keys();
    binding_ = true;
    auto *request = new PortalRequest(
        bus_,
        [this, ids](uint response, const QVariantMap &results) { bound(response, results, ids); },
        this);
    const QVariantMap options{{QStringLiteral("handle_token"), request->token()}};
    request->call(QStringLiteral("BindShortcuts"), {QVariant::fromValue(QDBusObjectPath(handle_)),
                                                    QVariant::fromValue(list), QString(), options});
}

void PortalSession::bound(uint response, const QVariantMap &results, const QStringList &ids) {
    binding_ = false;
    if (response != PortalRequest::granted) {
        fail(ids, refusal(response, results));
    } else if (results.contains(QStringLiteral("shortcuts"))) {
        const auto list =
            qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts")));
        QStringList missing = ids;
        for (const PortalShortcut &shortcut : list) {
            missing.removeAll(shortcut.id);
            qCInfo(lcPortal).noquote()
                << "shortcut" << shortcut.id << "bound to"
                << shortcut.properties.value(QStringLiteral("trigger_description")).toString();
        }
        fail(missing, QStringLiteral("the desktop left the shortcut unbound"));
    }
    if (bindAgain_ && state_ == State::Open && !shortcuts_.isEmpty()) {
        bindAgain_ = false;
        bind();
    }
}

void PortalSession::onActivated(const QDBusMessage &message) {
    const QVariantList arguments = message.arguments();
    if (state_ != State::Open || arguments.size() < 2 || objectPathText(arguments.at(0)) != handle_)
        return;
    const QString id = arguments.at(1).toString();
    if (shortcuts_.contains(id))
        Q_EMIT backend_.triggered(id);
}

void PortalSession::onClosed() {
    qCInfo(lcPortal) << "the desktop closed the shortcut session";
    state_ = State::Closed;
    handle_.clear();
    fail(shortcuts_.keys(), QStringLiteral("the desktop closed the shortcut session"));
}

bool PortalSession::listen(const QString &path, const QString &interface, const QString &name,
                           const char *slot) {
    bus_.disconnect(portal::service, path, interface, name, this, slot);
    return bus_.connect(portal::service, path, interface, name, this, slot);
}

void PortalSession::fail(const QStringList &ids, const QString &reason) {
    for (const QString &id : ids) {
        qCInfo(lcPortal).noquote() << "no global shortcut" << id << "-" << reason;
        Q_EMIT backend_.grabFailed(id, reason);
    }
}

void PortalSession::close() {
    if (state_ == State::Open) {
        bus_.disconnect(portal::service, handle_, portal::session, QStringLiteral("Closed"), this,
                        SLOT(onClosed()));
        const QDBusMessage reply =
            bus_.call(QDBusMessage::createMethodCall(portal::service, handle_, portal::session,
                                                     QStringLiteral("Close")),
                      QDBus::Block, closeTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage)
            qCInfo(lcPortal) << "closing the shortcut session failed:" << reply.errorMessage();
        handle_.clear();
    }
    bus_.disconnect(portal::service, portal::path, portal::shortcuts, QStringLiteral("Activated"),
                    this, SLOT(onActivated(QDBusMessage)));
    // A session still being made is closed as soon as its handle arrives.
    if (state_ == State::Open)
        state_ = State::Closed;
}

PortalShortcutBackend::PortalShortcutBackend(const QDBusConnection &bus, QObject *parent)
    : GlobalShortcutBackend(parent) {
    // Without these, QtDBus can neither send the bind list nor deliver object paths to slots.
    qRegisterMetaType<QDBusObjectPath>();
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    session_ = std::make_unique<PortalSession>(bus, *this);
}

PortalShortcutBackend::~PortalShortcutBackend() = default;

bool PortalShortcutBackend::grabKey(const QString &id, const QString &description, Qt::Key key,
                                    Qt::KeyboardModifiers modifiers, QString *error) {
    const QString trigger = portalTrigger(key, modifiers);
    if (trigger.isEmpty()) {
        if (error)
            *error = QStringLiteral("the key has no name the portal knows");
        return false;
    }
    session_->add(id, {description, trigger});
    return true;
}

void PortalShortcutBackend::ungrabKey(const QString &id) {
    session_->remove(id);
}

QString PortalShortcutBackend::portalTrigger(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QString name;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        name = QChar(u'a' + (key - Qt::Key_A));
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        name = QChar(u'0' + (key - Qt::Key_0));
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        name = QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    if (name.isEmpty())
        return {};
    QStringList parts;
    // Qt's Meta is the Super (logo) key on Linux.
    const std::pair<Qt::KeyboardModifier, const char *> names[] = {{Qt::MetaModifier, "LOGO"},
                                                                   {Qt::ControlModifier, "CTRL"},
                                                                   {Qt::AltModifier, "ALT"},
                                                                   {Qt::ShiftModifier, "SHIFT"}};
    for (const auto &[modifier, text] : names)
        if (modifiers & modifier)
            parts.append(QString::fromLatin1(text));
    parts.append(name);
    return parts.join(QLatin1Char('+'));
}

#include "PortalShortcutBackend.moc"
