// vantel-keyboard-service: the root service that applies the fn mode to the keyboards the kernel
// lets us switch. Started by the bus on demand; --apply is the one-shot for udev and resume.
#include "keyboard-service/KeyboardBusObject.h"
#include "keyboard-service/KeyboardService.h"
#include "keyboard-service/PolkitAuthorizer.h"
#include "logging/LoggingCategories.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QTimer>

#include <cstdio>

namespace {

// Calls already on their way when the name is given back are still answered.
constexpr int farewellMs = 1000;

struct Options {
    bool session = false;
    bool apply = false;
    QString sysfsRoot;
    QString stateDir;
    int idleSeconds = 30;
};

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
    parser.addOptions({session, root, state, idle, apply});
    parser.process(app);
    bool numeric = false;
    const int seconds = parser.value(idle).toInt(&numeric);
    if (!numeric || seconds < 0 || !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "vantel-keyboard-service: --idle-exit needs a number of seconds, and "
                             "no other arguments are taken\n");
        return std::nullopt;
    }
    return Options{parser.isSet(session), parser.isSet(apply), parser.value(root),
                   parser.value(state), seconds};
}

int applyOnce(const Options &options) {
    const std::optional<KeyboardMode> kept = KeptMode(options.stateDir).read();
    if (!kept) {
        qCInfo(lcKeyboard) << "no mode kept; nothing to apply";
        return 0;
    }
    const WriteReport report = SysfsKeyboards(options.sysfsRoot).write(*kept);
    qCInfo(lcKeyboard).noquote() << "applied" << modeName(*kept) << "to" << report.switched << "of"
                                 << report.found << "keyboards";
    return report.failures.isEmpty() ? 0 : 1;
}

int serve(QCoreApplication &app, const Options &options) {
    QDBusConnection bus =
        options.session ? QDBusConnection::sessionBus() : QDBusConnection::systemBus();
    PolkitAuthorizer authorizer(bus.name());
    KeyboardService service(SysfsKeyboards(options.sysfsRoot), KeptMode(options.stateDir),
                            authorizer, std::chrono::seconds(options.idleSeconds));
    if (std::optional<QString> failed = publishKeyboardService(service, bus.name())) {
        qCCritical(lcKeyboard).noquote() << "cannot serve:" << *failed;
        return 1;
    }
    // Without its bus the service can do nothing more; libdbus reports the loss as this signal.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), &app,
                SLOT(quit()));
    QObject::connect(&service, &KeyboardService::idle, &app, [&bus] {
        qCInfo(lcKeyboard) << "idle; exiting";
        withdrawKeyboardService(bus.name());
        QTimer::singleShot(farewellMs, qApp, &QCoreApplication::quit);
    });
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
