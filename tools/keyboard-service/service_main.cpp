// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// vantel-keyboard-service: the root service that applies the fn mode to the keyboards the kernel
// lets us switch. Started by the bus on demand; --apply is the one-shot for udev and resume.
#include "keyboard-service/HardwareWatch.h"
#include "keyboard-service/KeyboardBusObject.h"
#include "keyboard-service/KeyboardBusTypes.h"
#include "keyboard-service/KeyboardConfig.h"
#include "keyboard-service/KeyboardService.h"
#include "keyboard-service/PolkitAuthorizer.h"
#include "logging/LoggingCategories.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// After the name is given back, calls still sent to the unique name are answered until none has
// come for this long.
constexpr std::chrono::milliseconds farewell(500);

struct Options {
    bool session = false;
    bool apply = false;
    QString sysfsRoot;
    QString stateDir;
    int idleSeconds = 30;
    int checkSeconds = 120;
    QString inputDir;
    bool ownSysfs = false;
    QString configFile;
};

int stopPipe[2] = {-1, -1};

extern "C" void onStopSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
    errno = savedErrno;
}

// SIGTERM (systemd stopping the unit once the name is given back) and SIGINT end the service
// from the event loop, between two calls, never inside a write; unlike the idle exit they do not
// wait for the authority, which may be holding a password prompt open.
void onStopSignals(QObject *context, const std::function<void()> &stop) {
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto *notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [stop] {
        char bytes[16];
        while (::read(stopPipe[0], bytes, sizeof bytes) > 0) {
        }
        stop();
    });
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : {SIGTERM, SIGINT})
        ::sigaction(signalNumber, &action, nullptr);
}

// On another bus, whoever owns org.freedesktop.PolicyKit1 there decides who may write as root;
// that is only acceptable when nothing of the machine's own is at stake. Input devices from
// elsewhere than /dev/input are a test's stand-ins in the same way.
bool refusedAsRoot(bool session, bool ownInput, bool ownSysfs, bool ownState) {
    if (::geteuid() != 0 || (!session && !ownInput) || (ownSysfs && ownState))
        return false;
    std::fprintf(stderr, "vantel-keyboard-service: as root, --session and --input-dir need both "
                         "--sysfs-root and --state-dir, so that a test never touches this "
                         "machine's keyboards\n");
    return true;
}

std::optional<Options> parse(const QCoreApplication &app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Applies the fn mode to the keyboards the kernel lets Vantel switch."));
    parser.addHelpOption();
    const QCommandLineOption session(
        QStringLiteral("session"),
        QStringLiteral("Use the session bus instead of the system bus."));
    const QCommandLineOption root(QStringLiteral("sysfs-root"), QStringLiteral("Where sysfs is."),
                                  QStringLiteral("DIR"), QStringLiteral("/sys"));
    const QCommandLineOption state(QStringLiteral("state-dir"),
                                   QStringLiteral("Where the kept mode is stored."),
                                   QStringLiteral("DIR"), QStringLiteral("/var/lib/vantel"));
    const QCommandLineOption idle(QStringLiteral("idle-exit"),
                                  QStringLiteral("Exit after SECONDS without calls (0: never)."),
                                  QStringLiteral("SECONDS"), QStringLiteral("30"));
    const QCommandLineOption apply(
        QStringLiteral("apply"),
        QStringLiteral("Write the kept mode once and exit, without a bus."));
    const QCommandLineOption check(
        QStringLiteral("check-timeout"),
        QStringLiteral("Give up waiting for an authorisation after SECONDS."),
        QStringLiteral("SECONDS"), QStringLiteral("120"));
    const QCommandLineOption input(QStringLiteral("input-dir"),
                                   QStringLiteral("Where the input devices are."),
                                   QStringLiteral("DIR"), QStringLiteral("/dev/input"));
    const QCommandLineOption config(
        QStringLiteral("config"), QStringLiteral("The administrator's settings."),
        QStringLiteral("FILE"), QString::fromLatin1(KeyboardConfig::defaultPath));
    parser.addOptions({session, root, state, idle, apply, check, input, config});
    parser.process(app);
    bool numeric = false;
    bool checkNumeric = false;
    const int seconds = parser.value(idle).toInt(&numeric);
    const int checkSeconds = parser.value(check).toInt(&checkNumeric);
    if (!numeric || seconds < 0 || !checkNumeric || checkSeconds < 1 ||
        !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "vantel-keyboard-service: --idle-exit and --check-timeout need a "
                             "number of seconds, and no other arguments are taken\n");
        return std::nullopt;
    }
    if (refusedAsRoot(parser.isSet(session), parser.isSet(input), parser.isSet(root),
                      parser.isSet(state)))
        return std::nullopt;
    return Options{parser.isSet(session),
                   parser.isSet(apply),
                   parser.value(root),
                   parser.value(state),
                   seconds,
                   checkSeconds,
                   parser.value(input),
                   parser.isSet(root),
                   parser.value(config)};
}

int applyOnce(const Options &options) {
    const KeyboardConfig config = KeyboardConfig::read(options.configFile);
    const ServiceAnswer answer = KeyboardService::applyKept(
        SysfsKeyboards(options.sysfsRoot, config.drivers()), KeptMode(options.stateDir), config);
    if (answer.errorName == KeyboardBus::writeFailedError) {
        qCWarning(lcKeyboard).noquote() << answer.errorMessage;
        return 1;
    }
    return 0;
}

int serve(QCoreApplication &app, const Options &options) {
    QDBusConnection bus =
        options.session ? QDBusConnection::sessionBus() : QDBusConnection::systemBus();
    PolkitAuthorizer authorizer(bus.name());
    PendingChecks::Limits limits;
    limits.deadline = std::chrono::seconds(options.checkSeconds);
    const KeyboardConfig config = KeyboardConfig::read(options.configFile);
    KeyboardService service(SysfsKeyboards(options.sysfsRoot, config.drivers()),
                            KeptMode(options.stateDir), authorizer,
                            std::chrono::seconds(options.idleSeconds), limits, config);
    if (std::optional<QString> failed = publishKeyboardService(service, bus.name())) {
        qCCritical(lcKeyboard).noquote() << "cannot serve:" << *failed;
        return 1;
    }
    HardwareWatch watch(SysfsKeyboards(options.sysfsRoot, config.drivers()),
                        {options.inputDir, /*writesAreNotices=*/options.ownSysfs,
                         /*streamsStandIn=*/options.ownSysfs});
    // Keys are read only for someone to tell: the devices are opened before the first subscriber
    // is answered, and closed when the last leaves.
    QObject::connect(&service, &KeyboardService::subscribersChanged, &watch,
                     &HardwareWatch::followKeys);
    service.setNoticePending([&watch] { return watch.noticePending(); });
    QObject::connect(&watch, &HardwareWatch::noticed, &service, &KeyboardService::followHardware);
    QObject::connect(&watch, &HardwareWatch::devicesChanged, &service,
                     &KeyboardService::readSwitches);
    // Without its bus the service can do nothing more; libdbus reports the loss as this signal.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), &app,
                SLOT(quit()));
    bool leaving = false;
    const auto leave = [&](const char *why, bool stopping) {
        // Also when already leaving idle: a call to the unique name may have started a check.
        if (stopping)
            service.stop();
        if (std::exchange(leaving, true))
            return;
        qCInfo(lcKeyboard) << why << "- giving the name back";
        // Returns once the bus has confirmed; calls queued meanwhile are answered after it.
        withdrawKeyboardService(bus.name());
        service.drain(farewell);
    };
    QObject::connect(&service, &KeyboardService::idle, &app, [&] { leave("idle", false); });
    QObject::connect(&service, &KeyboardService::drained, &app, &QCoreApplication::quit);
    onStopSignals(&app, [&] { leave("asked to stop", true); });
    return app.exec();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("vantel-keyboard-service"));
    const std::optional<Options> options = parse(app);
    if (!options)
        return 2;
    return options->apply ? applyOnce(*options) : serve(app, *options);
}
