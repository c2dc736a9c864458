#include "keyboard/KeyboardService.h"

#include "keyboard/KeyboardBusTypes.h"
#include "logging/LoggingCategories.h"

namespace {

const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString accessDenied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
const QString cancelled = QStringLiteral("org.vantel.Keyboard1.Error.Cancelled");
constexpr qsizetype maxNameLength = 256;

ServiceAnswer error(const QString &name, const QString &message) {
    return ServiceAnswer{0, name, message};
}

// Anything that could move a terminal's cursor, change its colours or reorder what follows.
bool isControl(QChar c) {
    const ushort u = c.unicode();
    return c.category() == QChar::Other_Control || u == 0x2028 || u == 0x2029 || u == 0x061c ||
           u == 0x200e || u == 0x200f || (u >= 0x202a && u <= 0x202e) ||
           (u >= 0x2066 && u <= 0x2069);
}

QString printable(const QString &name) {
    QString shown;
    for (const QChar c : name)
        shown.append(isControl(c) ? QChar(QChar::ReplacementCharacter) : c);
    if (shown.size() > maxNameLength)
        shown.truncate(shown.at(maxNameLength - 1).isHighSurrogate() ? maxNameLength - 1
                                                                     : maxNameLength);
    return shown;
}

ServiceAnswer writeKeyboards(const SysfsKeyboards &keyboards, KeyboardMode mode,
                             const QStringList &earlierFailures) {
    const WriteReport report = keyboards.write(mode);
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

// The keyboards' count when every one already holds `mode`, so that nothing need be written.
std::optional<uint> allHolding(const QList<Keyboard> &keyboards, KeyboardMode mode) {
    const bool all = !keyboards.isEmpty() && std::all_of(keyboards.begin(), keyboards.end(),
                                                         [mode](const Keyboard &keyboard) {
                                                             return keyboard.mode == mode;
                                                         });
    return all ? std::optional(uint(keyboards.size())) : std::nullopt;
}

} // namespace

KeyboardService::KeyboardService(SysfsKeyboards keyboards, KeptMode kept, Authorizer &authorizer,
                                 std::chrono::seconds idleTime, PendingChecks::Limits limits)
    : keyboards_(std::move(keyboards)), kept_(std::move(kept)), checks_(authorizer, limits) {
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(idleTime);
    connect(&idleTimer_, &QTimer::timeout, this, &KeyboardService::timedOut);
    // A caller still waiting for the authority gets its answer first.
    connect(&checks_, &PendingChecks::settled, this, &KeyboardService::touch);
    touch();
}

void KeyboardService::timedOut() {
    if (!checks_.isEmpty())
        return; // settled() starts the timer again
    if (draining_)
        emit drained();
    else
        emit idle();
}

void KeyboardService::touch() {
    if (idleTimer_.interval() > 0)
        idleTimer_.start();
}

void KeyboardService::drain(std::chrono::milliseconds quiet) {
    draining_ = true;
    idleTimer_.setInterval(quiet);
    touch();
}

QList<Keyboard> KeyboardService::keyboards() {
    touch();
    QList<Keyboard> found = keyboards_.scan();
    for (Keyboard &keyboard : found)
        keyboard.name = printable(keyboard.name);
    return found;
}

QString KeyboardService::mode() {
    touch();
    const std::optional<KeyboardMode> kept = kept_.read();
    return kept ? modeName(*kept) : QString();
}

void KeyboardService::callerLeft(const QString &name) {
    checks_.callerLeft(name);
}

void KeyboardService::setMode(const QString &mode, const Caller &caller,
                              std::function<void(ServiceAnswer)> answer) {
    touch();
    const std::optional<KeyboardMode> requested = requestedMode(mode);
    if (!requested) {
        answer(error(invalidArgs, QStringLiteral("Unknown mode \"%1\": use function-keys or "
                                                 "hardware-keys")
                                      .arg(printable(mode.left(40)))));
        return;
    }
    authorised(caller, std::move(answer), [this, mode = *requested] { return keepAndWrite(mode); });
}

void KeyboardService::apply(const Caller &caller, std::function<void(ServiceAnswer)> answer) {
    touch();
    const std::optional<KeyboardMode> kept = kept_.read();
    if (!kept)
        return answer(ServiceAnswer{});
    const QList<Keyboard> found = keyboards_.scan();
    if (found.isEmpty())
        return answer(writeKeyboards(keyboards_, *kept, {}));
    if (const std::optional<uint> holding = allHolding(found, *kept))
        return answer(ServiceAnswer{*holding, {}, {}});
    authorised(caller, std::move(answer), [this, before = found] {
        const ServiceAnswer applied = applyKept(keyboards_, kept_);
        if (keyboards_.scan() != before)
            emit propertiesChanged({QStringLiteral("Keyboards")});
        return applied;
    });
}

void KeyboardService::authorised(const Caller &caller, std::function<void(ServiceAnswer)> answer,
                                 std::function<ServiceAnswer()> change) {
    checks_.ask(caller, [answer = std::move(answer),
                         change = std::move(change)](CheckOutcome outcome, const QString &why) {
        if (outcome == CheckOutcome::allowed)
            return answer(change());
        qCInfo(lcKeyboard).noquote() << "not switching:" << why;
        if (outcome == CheckOutcome::cancelled)
            return answer(error(cancelled, QStringLiteral("Not switched: %1").arg(why)));
        answer(error(accessDenied,
                     QStringLiteral("Not authorised to change the keyboard mode (%1)").arg(why)));
    });
}

ServiceAnswer KeyboardService::keepAndWrite(KeyboardMode mode) {
    const QList<Keyboard> keyboardsBefore = keyboards_.scan();
    QStringList failures;
    const KeptMode::Lock lock = kept_.lock();
    if (!lock.failure().isEmpty())
        failures.append(lock.failure());
    const std::optional<KeyboardMode> before = kept_.read();
    if (std::optional<QString> failed = kept_.write(mode)) {
        qCWarning(lcKeyboard).noquote() << "could not keep the mode:" << *failed;
        failures.append(*failed);
    }
    const ServiceAnswer answer = writeKeyboards(keyboards_, mode, failures);
    if (kept_.read() != before)
        emit propertiesChanged({QStringLiteral("Mode")});
    if (keyboards_.scan() != keyboardsBefore)
        emit propertiesChanged({QStringLiteral("Keyboards")});
    return answer;
}

ServiceAnswer KeyboardService::applyKept(const SysfsKeyboards &keyboards, const KeptMode &kept) {
    const KeptMode::Lock lock = kept.lock();
    if (!lock.failure().isEmpty())
        return error(KeyboardBus::writeFailedError, lock.failure());
    const std::optional<KeyboardMode> mode = kept.read();
    if (!mode)
        return ServiceAnswer{};
    if (const std::optional<uint> holding = allHolding(keyboards.scan(), *mode))
        return ServiceAnswer{*holding, {}, {}};
    return writeKeyboards(keyboards, *mode, {});
}
