// vantel-keyboard: shows and changes the fn mode of the keyboards through the keyboard service,
// so that polkit decides who may change it.
#include "keyboard-service/KeyboardBusTypes.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QStringList>

#include <cstdio>

namespace {

enum Exit { ok = 0, usage = 1, noKeyboard = 2, unavailable = 3, notAuthorised = 4, failed = 5 };

// Long enough for someone to answer a password prompt.
constexpr int setTimeoutMs = 5 * 60 * 1000;

const char *usageText =
    "usage: vantel-keyboard [--session] COMMAND\n"
    "  list                        each keyboard Vantel can switch, its driver and mode\n"
    "  get                         the mode last set (function-keys, hardware-keys or none)\n"
    "  set function-keys|hardware-keys\n"
    "                              keep the mode and switch every keyboard to it\n"
    "  apply                       switch every keyboard to the kept mode again\n";

void print(FILE *stream, const QString &text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

int fail(int code, const QString &text) {
    print(stderr, QStringLiteral("vantel-keyboard: ") + text);
    return code;
}

// Turns an error reply into a message and an exit status the user can act on.
int reportError(const QDBusMessage &reply) {
    const QString name = reply.errorName();
    if (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn")) ||
        name == QLatin1String("org.freedesktop.DBus.Error.Disconnected"))
        return fail(unavailable, QStringLiteral("the keyboard service is not installed or could "
                                                "not be started (%1)")
                                     .arg(reply.errorMessage()));
    if (name == QLatin1String("org.freedesktop.DBus.Error.AccessDenied"))
        return fail(notAuthorised, QStringLiteral("not authorised to change the keyboard mode"));
    if (name == KeyboardBus::noKeyboardError)
        return fail(noKeyboard, QStringLiteral("no keyboard that Vantel can switch was found on "
                                               "this machine; see the supported hardware in "
                                               "Vantel's README"));
    if (name == KeyboardBus::writeFailedError)
        return fail(failed, reply.errorMessage());
    return fail(
        unavailable,
        QStringLiteral("the keyboard service did not answer: %1").arg(reply.errorMessage()));
}

QDBusMessage call(QDBusConnection &bus, const QString &member, const QVariantList &arguments,
                  int timeoutMs = -1) {
    if (!bus.isConnected())
        return QDBusMessage::createError(QDBusError::Disconnected, bus.lastError().message());
    const bool properties = member == QLatin1String("Get");
    QDBusMessage message = QDBusMessage::createMethodCall(
        KeyboardBus::service, KeyboardBus::path,
        properties ? QStringLiteral("org.freedesktop.DBus.Properties") : KeyboardBus::interface,
        member);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, timeoutMs);
}

QVariant property(QDBusConnection &bus, const QString &name, QDBusMessage &reply) {
    reply = call(bus, QStringLiteral("Get"), {KeyboardBus::interface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().at(0).value<QDBusVariant>().variant();
}

int list(QDBusConnection &bus) {
    QDBusMessage reply;
    const QVariant value = property(bus, QStringLiteral("Keyboards"), reply);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return reportError(reply);
    KeyboardEntries entries;
    value.value<QDBusArgument>() >> entries;
    if (entries.isEmpty()) {
        print(stdout,
              QStringLiteral("No keyboard that Vantel can switch was found on this machine.\n"
                             "See the supported hardware in Vantel's README."));
        return noKeyboard;
    }
    for (const KeyboardEntry &entry : entries)
        print(stdout, QStringLiteral("%1  %2  %3  (%4)")
                          .arg(entry.mode, -13)
                          .arg(entry.driver, -15)
                          .arg(entry.name, entry.id));
    return ok;
}

int get(QDBusConnection &bus) {
    QDBusMessage reply;
    const QString mode = property(bus, QStringLiteral("Mode"), reply).toString();
    if (reply.type() != QDBusMessage::ReplyMessage)
        return reportError(reply);
    print(stdout, mode.isEmpty() ? QStringLiteral("none") : mode);
    return ok;
}

int change(QDBusConnection &bus, const QString &member, const QVariantList &arguments) {
    const QDBusMessage reply = call(bus, member, arguments, setTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return reportError(reply);
    const uint switched = reply.arguments().value(0).toUInt();
    if (member == QLatin1String("Apply") && switched == 0)
        print(stdout, QStringLiteral("No mode has been set yet; nothing to apply."));
    else
        print(
            stdout,
            QStringLiteral("Switched %1 keyboard%2.").arg(switched).arg(switched == 1 ? "" : "s"));
    return ok;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool session = arguments.removeAll(QStringLiteral("--session")) > 0;
    const QString command = arguments.value(0);
    const bool setting = command == QLatin1String("set");
    const QString mode = arguments.value(1);
    if (arguments.size() != (setting ? 2 : 1) ||
        (setting && mode != QLatin1String("function-keys") &&
         mode != QLatin1String("hardware-keys")) ||
        !QStringList{"list", "get", "set", "apply"}.contains(command)) {
        std::fputs(usageText, stderr);
        return usage;
    }
    registerKeyboardBusTypes();
    QDBusConnection bus = session ? QDBusConnection::sessionBus() : QDBusConnection::systemBus();
    if (command == QLatin1String("list"))
        return list(bus);
    if (command == QLatin1String("get"))
        return get(bus);
    if (setting)
        return change(bus, QStringLiteral("SetMode"), {mode});
    return change(bus, QStringLiteral("Apply"), {});
}
