#include "keyboard/KeyboardService.h"

#include "keyboard/KeyboardBusTypes.h"
#include "logging/LoggingCategories.h"

#include <algorithm>

namespace {

const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString accessDenied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");

ServiceAnswer error(const QString &name, const QString &message) {
    return ServiceAnswer{0, name, message};
}

} // namespace

KeyboardService::KeyboardService(SysfsKeyboards keyboards, KeptMode kept, Authorizer &authorizer,
                                 std::chrono::seconds idleTime,
                                 std::optional<KeyboardMode> defaultMode)
    : keyboards_(std::move(keyboards)), kept_(std::move(kept)), authorizer_(authorizer),
      defaultMode_(defaultMode) {
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(idleTime);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        // A caller still waiting for polkit gets its answer first.
        if (pendingChecks_ > 0)
            idleTimer_.start();
        else if (subscribers_.isEmpty())
            emit idle();
    });
    noteReadings();
    touch();
}

void KeyboardService::touch() {
    if (idleTimer_.interval() > 0)
        idleTimer_.start();
}

void KeyboardService::subscribe(const QString &name) {
    touch();
    subscribers_.insert(name);
}

void KeyboardService::unsubscribe(const QString &name) {
    if (subscribers_.remove(name) && subscribers_.isEmpty())
        touch();
}

QList<Keyboard> KeyboardService::noteReadings() {
    const QList<Keyboard> found = keyboards_.scan();
    readings_.clear();
    for (const Keyboard &keyboard : found)
        readings_.insert(keyboard.id, keyboard.mode);
    return found;
}

void KeyboardService::followHardware() {
    const QHash<QString, KeyboardMode> before = readings_;
    const std::optional<KeyboardMode> kept = kept_.read();
    std::optional<KeyboardMode> changed;
    QList<Keyboard> found = noteReadings();
    for (const Keyboard &keyboard : found) {
        const bool switchable = requestedMode(modeName(keyboard.mode)).has_value();
        // A keyboard that just came is given the kept mode by udev, not followed.
        if (switchable && before.contains(keyboard.id) && keyboard.mode != before[keyboard.id] &&
            keyboard.mode != kept)
            changed = keyboard.mode;
    }
    if (!changed) {
        if (found.size() != before.size() || readings_ != before)
            emit propertiesChanged({QStringLiteral("Keyboards")});
        return;
    }
    qCInfo(lcKeyboard).noquote() << "changed on the keyboard to" << modeName(*changed);
    if (std::optional<QString> failed = kept_.write(*changed))
        qCWarning(lcKeyboard).noquote() << "could not keep the mode:" << *failed;
    keyboards_.write(*changed);
    noteReadings();
    emit propertiesChanged({QStringLiteral("Mode"), QStringLiteral("Keyboards")});
    emit modeChangedByKeyboard(modeName(*changed));
}

QList<Keyboard> KeyboardService::keyboards() {
    touch();
    followHardware();
    return keyboards_.scan();
}

QString KeyboardService::mode() {
    touch();
    followHardware();
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
    // A change made on a keyboard that told nobody is followed, not undone.
    followHardware();
    // An administrator's default stands in until someone chooses; the Mode property stays empty.
    std::optional<KeyboardMode> kept = kept_.read();
    if (!kept)
        kept = defaultMode_;
    return kept ? write(*kept, {}) : ServiceAnswer{};
}

// Each look at the switches walks the tree again: what one look found is used until the next
// write, which is most of what a switch costs beside its bus round trips.
ServiceAnswer KeyboardService::keepAndWrite(KeyboardMode mode) {
    followHardware();
    const std::optional<KeyboardMode> before = kept_.read();
    const bool inForce = std::all_of(readings_.cbegin(), readings_.cend(),
                                     [mode](KeyboardMode reading) { return reading == mode; });
    if (before == mode && inForce && !readings_.isEmpty())
        return ServiceAnswer{uint(readings_.size()), {}, {}};
    QStringList failures;
    if (std::optional<QString> failed = kept_.write(mode)) {
        qCWarning(lcKeyboard).noquote() << "could not keep the mode:" << *failed;
        failures.append(*failed);
    } else if (before != mode) {
        emit propertiesChanged({QStringLiteral("Mode")});
    }
    return write(mode, failures);
}

// Called right after the switches were read (followHardware), so the readings are current.
ServiceAnswer KeyboardService::write(KeyboardMode mode, const QStringList &earlierFailures) {
    const QHash<QString, KeyboardMode> before = readings_;
    const WriteReport report = keyboards_.write(mode);
    noteReadings();
    if (readings_ != before)
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
