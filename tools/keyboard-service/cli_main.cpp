// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// vantel-keyboard: shows and changes the fn mode of the keyboards through the keyboard service,
// so that polkit decides who may change it.
#include "keyboard-service/InputMask.h"
#include "keyboard-service/KeyCheck.h"
#include "keyboard-service/KeyboardBusTypes.h"
#include "keyboard-service/KeyboardConfig.h"
#include "keyboard-service/SysfsKeyboards.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum Exit {
    ok = 0,
    usage = 1,
    noKeyboard = 2,
    unavailable = 3,
    notAuthorised = 4,
    failed = 5,
    tableDiffers = 6
};

// Long enough to find the key and press it.
constexpr int checkTimeoutMs = 30 * 1000;

// Long enough for someone to answer a password prompt.
constexpr int setTimeoutMs = 5 * 60 * 1000;

const char *usageText =
    "usage: vantel-keyboard [--session] COMMAND\n"
    "  list                        each keyboard Vantel can switch, its driver and mode\n"
    "  get                         the mode last set (function-keys, hardware-keys or none)\n"
    "  set function-keys|hardware-keys\n"
    "                              keep the mode and switch every keyboard to it\n"
    "  apply                       switch every keyboard to the kept mode again\n"
    "  check [--input DEVICE] [--config FILE]\n"
    "                              press a key of the top row: says whether the keyboards'\n"
    "                              modes mean on this machine what Vantel's table says\n";

// What the service sends may come from the hardware: nothing of it reaches the terminal as a
// control sequence.
QString escaped(const QString &text) {
    QString shown;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        const bool control = c.category() == QChar::Other_Control ||
                             c.category() == QChar::Other_Format || u == 0x2028 || u == 0x2029;
        if (!control)
            shown.append(c);
        else if (u < 0x100)
            shown.append(QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0')));
        else
            shown.append(QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0')));
    }
    return shown;
}

bool onTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

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
    if (name == KeyboardBus::cancelledError)
        return fail(notAuthorised, escaped(reply.errorMessage()));
    if (name == KeyboardBus::noKeyboardError)
        return fail(noKeyboard, QStringLiteral("no keyboard that Vantel can switch was found on "
                                               "this machine; see the supported hardware in "
                                               "Vantel's README"));
    if (name == KeyboardBus::writeFailedError)
        return fail(failed, escaped(reply.errorMessage()));
    return fail(unavailable, QStringLiteral("the keyboard service did not answer: %1")
                                 .arg(escaped(reply.errorMessage())));
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
    // Someone at a terminal can answer a password prompt; a script cannot, and must not hang.
    message.setInteractiveAuthorizationAllowed(onTerminal());
    return bus.call(message, QDBus::Block, timeoutMs);
}

QVariant property(QDBusConnection &bus, const QString &name, QDBusMessage &reply) {
    reply = call(bus, QStringLiteral("Get"), {KeyboardBus::interface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().at(0).value<QDBusVariant>().variant();
}

// The service's keyboards in `entries`, or the reply that says why they could not be read.
std::optional<QDBusMessage> keyboards(QDBusConnection &bus, KeyboardEntries &entries) {
    QDBusMessage reply;
    const QVariant value = property(bus, QStringLiteral("Keyboards"), reply);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return reply;
    value.value<QDBusArgument>() >> entries;
    return std::nullopt;
}

int list(QDBusConnection &bus) {
    KeyboardEntries entries;
    if (const auto failed = keyboards(bus, entries))
        return reportError(*failed);
    if (entries.isEmpty()) {
        print(stdout,
              QStringLiteral("No keyboard that Vantel can switch was found on this machine.\n"
                             "See the supported hardware in Vantel's README."));
        return noKeyboard;
    }
    for (const KeyboardEntry &entry : entries)
        print(stdout, QStringLiteral("%1  %2  %3  (%4)")
                          .arg(escaped(entry.mode), -13)
                          .arg(escaped(entry.driver), -15)
                          .arg(escaped(entry.name), escaped(entry.id)));
    return ok;
}

int get(QDBusConnection &bus) {
    QDBusMessage reply;
    const QString mode = property(bus, QStringLiteral("Mode"), reply).toString();
    if (reply.type() != QDBusMessage::ReplyMessage)
        return reportError(reply);
    print(stdout, mode.isEmpty() ? QStringLiteral("none") : escaped(mode));
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

// polkit's text agent, for this process only: where no desktop agent answers (a text console,
// ssh) it asks for the administrator's password in this terminal. Started before the bus, so
// that no thread exists yet when forking.
pid_t startTerminalAgent() {
    const char *agent = "/usr/bin/pkttyagent";
    int notify[2];
    if (::access(agent, X_OK) != 0 || ::pipe2(notify, O_CLOEXEC) != 0)
        return -1;
    const std::string process = std::to_string(::getpid());
    const pid_t child = ::fork();
    if (child == 0) {
        // dup2 leaves the copy open across exec; 3 itself would keep its close-on-exec flag.
        if (notify[1] == 3 ? ::fcntl(3, F_SETFD, 0) != 0 : ::dup2(notify[1], 3) != 3)
            ::_exit(127);
        ::execl(agent, agent, "--notify-fd", "3", "--fallback", "--process", process.c_str(),
                static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(notify[1]);
    // The agent closes its end once registered (or when it fails).
    char byte = 0;
    while (child > 0 && (::read(notify[0], &byte, 1) > 0 || errno == EINTR)) {
    }
    ::close(notify[0]);
    return child;
}

void stopTerminalAgent(pid_t agent) {
    if (agent <= 0)
        return;
    ::kill(agent, SIGTERM);
    while (::waitpid(agent, nullptr, 0) < 0 && errno == EINTR) {
    }
}

QString arrivedName(ArrivedKey key) {
    return key == ArrivedKey::functionKey ? QStringLiteral("function-keys")
                                          : QStringLiteral("hardware-keys");
}

// Where the administrator's file already inverts the driver, the way back is that very line.
QString invertAdvice(const KeyboardConfig &config, const QString &path, const QString &driver) {
    if (const std::optional<int> line = config.invertedAt(driver))
        return QStringLiteral("To have Vantel follow it, take out line %1 of %2 (%3=true).")
            .arg(*line)
            .arg(path, escaped(driver));
    return QStringLiteral("To have Vantel follow it, put in %1:\n    [Invert]\n    %2=true")
        .arg(path, escaped(driver));
}

// One line per keyboard: does the mode its switch reports match what the key sent?
int compare(const KeyboardEntries &entries, ArrivedKey arrived, const QString &configPath) {
    // Its problems are told on stderr, with their line numbers, as it is read.
    const KeyboardConfig config = KeyboardConfig::read(configPath);
    if (const std::optional<QString> unusable = config.unusable())
        print(stdout, QStringLiteral("%1: the keyboard service switches nothing until it can be "
                                     "read.")
                          .arg(escaped(*unusable)));
    bool differs = false;
    for (const KeyboardEntry &entry : entries) {
        const QString who =
            QStringLiteral("%1 (%2)").arg(escaped(entry.driver), escaped(entry.name));
        if (entry.mode != QLatin1String("function-keys") &&
            entry.mode != QLatin1String("hardware-keys")) {
            print(stdout, QStringLiteral("%1: reads %2, which Vantel does not switch; nothing to "
                                         "compare.")
                              .arg(who, escaped(entry.mode)));
        } else if (entry.mode == arrivedName(arrived)) {
            print(stdout,
                  QStringLiteral("%1: the table holds on this machine (%2).").arg(who, entry.mode));
        } else {
            differs = true;
            print(stdout, QStringLiteral("%1: the switch reads %2 but %3 arrived: its values mean "
                                         "the opposite on this machine. %4")
                              .arg(who, entry.mode, arrivedName(arrived),
                                   invertAdvice(config, configPath, entry.driver)));
        }
    }
    return differs ? tableDiffers : ok;
}

// A service too old to tell says nothing here.
void reportNotOnDisk(QDBusConnection &bus) {
    QDBusMessage reply;
    const QString why = property(bus, KeyboardBus::notOnDiskProperty, reply).toString();
    if (!why.isEmpty())
        print(stdout, QStringLiteral("The kept mode is not on disk yet, and a power cut would lose "
                                     "it: %1")
                          .arg(escaped(why)));
}

int check(QDBusConnection &bus, const QString &input, const QString &configPath) {
    KeyboardEntries entries;
    if (const auto failed = keyboards(bus, entries))
        return reportError(*failed);
    reportNotOnDisk(bus);
    if (entries.isEmpty())
        return fail(noKeyboard, QStringLiteral("no keyboard that Vantel can switch was found on "
                                               "this machine"));
    const QStringList devices =
        input.isEmpty()
            ? KeyCheck::keyboardDevices(QStringLiteral("/sys"), QStringLiteral("/dev/input"))
            : QStringList{input};
    if (input.isEmpty())
        for (const QString &line : unwatchedFnEscDevices(SysfsKeyboards(QStringLiteral("/sys")),
                                                         QStringLiteral("/dev/input")))
            print(stdout, line);
    QString why;
    const auto cannotRead = [&why] {
        return fail(failed, why + QStringLiteral(" (reading keyboards needs root: sudo "
                                                 "vantel-keyboard check)"));
    };
    // Asking for a key press that could never be seen would only leave the user waiting.
    const QList<int> opened = KeyCheck::openDevices(devices, why);
    if (opened.isEmpty())
        return cannotRead();
    print(stdout, QStringLiteral("Press F1 (or any key of the top row) once, without Fn."));
    std::fflush(stdout);
    const std::optional<ArrivedKey> arrived = KeyCheck::waitForTopRow(opened, checkTimeoutMs, why);
    if (!arrived)
        return cannotRead();
    return compare(entries, *arrived, configPath);
}

// Takes `NAME VALUE` out of the arguments; a missing value reads as "-".
QString takeOption(QStringList &arguments, const QString &name) {
    const qsizetype at = arguments.indexOf(name);
    if (at < 0)
        return {};
    const QString value = arguments.value(at + 1, QStringLiteral("-"));
    arguments.remove(at, qMin(qsizetype(2), arguments.size() - at));
    return value;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const bool session = arguments.removeAll(QStringLiteral("--session")) > 0;
    const QString input = takeOption(arguments, QStringLiteral("--input"));
    const QString configPath = takeOption(arguments, QStringLiteral("--config"));
    const QString command = arguments.value(0);
    const bool setting = command == QLatin1String("set");
    const QString mode = arguments.value(1);
    if (arguments.size() != (setting ? 2 : 1) ||
        (setting && mode != QLatin1String("function-keys") &&
         mode != QLatin1String("hardware-keys")) ||
        !QStringList{"list", "get", "set", "apply", "check"}.contains(command) ||
        ((!input.isEmpty() || !configPath.isEmpty()) && command != QLatin1String("check"))) {
        std::fputs(usageText, stderr);
        return usage;
    }
    const bool changing = setting || command == QLatin1String("apply");
    const pid_t agent = changing && !session && onTerminal() ? startTerminalAgent() : -1;
    registerKeyboardBusTypes();
    QDBusConnection bus = session ? QDBusConnection::sessionBus() : QDBusConnection::systemBus();
    int status = ok;
    if (command == QLatin1String("list"))
        status = list(bus);
    else if (command == QLatin1String("get"))
        status = get(bus);
    else if (command == QLatin1String("check"))
        status = check(bus, input,
                       configPath.isEmpty() ? QString::fromLatin1(KeyboardConfig::defaultPath)
                                            : configPath);
    else
        status = setting ? change(bus, QStringLiteral("SetMode"), {mode})
                         : change(bus, QStringLiteral("Apply"), {});
    stopTerminalAgent(agent);
    return status;
}
