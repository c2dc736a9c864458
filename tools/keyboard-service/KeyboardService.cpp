#include "keyboard-service/KeyboardService.h"

#include "keyboard-service/KeyboardBusTypes.h"
#include "logging/LoggingCategories.h"

namespace {

const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString accessDenied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");

ServiceAnswer error(const QString &name, const QString &message) {
    return ServiceAnswer{0, name, message};
}

} // namespace

KeyboardService::KeyboardService(SysfsKeyboards keyboards, KeptMode kept, Authorizer &authorizer,
                                 std::chrono::seconds idleTime)
    : keyboards_(std::move(keyboards)), kept_(std::move(kept)), authorizer_(authorizer) {
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(idleTime);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        // A caller still waiting for polkit gets its answer first.
        if (pendingChecks_ > 0)
            idleTimer_.start();
        else
            emit idle();
    });
    touch();
}

void KeyboardService::touch() {
    if (idleTimer_.interval() > 0)
        idleTimer_.start();
}

QList<Keyboard> KeyboardService::keyboards() {
    touch();
    return keyboards_.scan();
}

QString KeyboardService::mode() {
    touch();
    const std::optional<KeyboardMode> kept = kept_.read();
    return kept ? modeName(*kept) : QString();
}

void KeyboardService::setMode(const QString &mode, const QString &caller,
                              std::function<void(ServiceAnswer)> answer) {
    touch();
    const std::optional<KeyboardMode> requested = requestedMode(mode);
    if (!requested) {
        answer(error(invalidArgs, QStringLiteral("Unknown mode \"%1\": use function-keys or "
                                                 "hardware-keys")
                                      .arg(mode.left(40))));
        return;
    }
    ++pendingChecks_;
    authorizer_.check(caller, [this, mode = *requested, answer = std::move(answer)](bool allowed,
                                                                                    QString why) {
        --pendingChecks_;
        touch();
        if (!allowed) {
            qCInfo(lcKeyboard).noquote() << "not switching:" << why;
            answer(error(accessDenied, QStringLiteral("Not authorised to change the keyboard mode "
                                                      "(%1)")
                                           .arg(why)));
            return;
        }
        answer(keepAndWrite(mode));
    });
}

ServiceAnswer KeyboardService::apply() {
    touch();
    const std::optional<KeyboardMode> kept = kept_.read();
    return kept ? write(*kept, {}) : ServiceAnswer{};
}

ServiceAnswer KeyboardService::keepAndWrite(KeyboardMode mode) {
    const std::optional<KeyboardMode> before = kept_.read();
    QStringList failures;
    if (std::optional<QString> failed = kept_.write(mode)) {
        qCWarning(lcKeyboard).noquote() << "could not keep the mode:" << *failed;
        failures.append(*failed);
    }
    if (kept_.read() != before)
        emit propertiesChanged({QStringLiteral("Mode")});
    return write(mode, failures);
}

ServiceAnswer KeyboardService::write(KeyboardMode mode, const QStringList &earlierFailures) {
    const QList<Keyboard> before = keyboards_.scan();
    const WriteReport report = keyboards_.write(mode);
    if (keyboards_.scan() != before)
        emit propertiesChanged({QStringLiteral("Keyboards")});
    const QStringList failures = earlierFailures + report.failures;
    if (!failures.isEmpty())
        return error(KeyboardBus::writeFailedError,
                     QStringLiteral("Could not write %1 (%2 of %3 keyboards switched)")
                         .arg(failures.join(QStringLiteral("; ")))
                         .arg(report.switched)
                         .arg(report.found));
    if (report.found == 0)
        return error(KeyboardBus::noKeyboardError,
                     QStringLiteral("No keyboard that Vantel can switch was found"));
    return ServiceAnswer{uint(report.switched), {}, {}};
}
