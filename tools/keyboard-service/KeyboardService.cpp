// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "keyboard-service/KeyboardService.h"

#include "keyboard-service/KeyboardBusTypes.h"
#include "logging/LoggingCategories.h"

#include <algorithm>

namespace {

const QString invalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString accessDenied = QStringLiteral("org.freedesktop.DBus.Error.AccessDenied");
constexpr qsizetype maxNameLength = 256;
// How long the disk is left alone after a change: someone flipping back and forth costs one
// flush, and a power cut loses at most what was chosen in this last moment.
constexpr std::chrono::milliseconds flushSettle(500);
const QString stoppingReason = QStringLiteral("the service is stopping");
// How many quiet times calls may keep postponing the end once the name was given back.
constexpr int drainRounds = 20;

ServiceAnswer error(const QString &name, const QString &message) {
    return ServiceAnswer{0, name, message};
}

ServiceAnswer cancelled(const QString &why) {
    return error(KeyboardBus::cancelledError, QStringLiteral("Not switched: %1").arg(why));
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

ServiceAnswer answerFor(const WriteReport &report) {
    if (!report.failures.isEmpty())
        return error(KeyboardBus::writeFailedError,
                     QStringLiteral("Could not write %1 (%2 of %3 keyboards switched)")
                         .arg(report.failures.join(QStringLiteral("; ")))
                         .arg(report.switched)
                         .arg(report.found));
    if (report.found == 0)
        return error(KeyboardBus::noKeyboardError,
                     QStringLiteral("No keyboard that Vantel can switch was found"));
    return ServiceAnswer{uint(report.switched), {}, {}};
}

// Which value means which mode may be inverted in a file that could not be read, for any driver.
ServiceAnswer unusableRefusal(const QString &why) {
    return error(
        KeyboardBus::writeFailedError,
        QStringLiteral("Not switched: %1, and any driver's values may be inverted there").arg(why));
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
                                 std::chrono::seconds idleTime, PendingChecks::Limits limits,
                                 const KeyboardConfig &config)
    : keyboards_(std::move(keyboards)), kept_(std::move(kept)),
      durable_(
          [kept = kept_] {
              std::optional<QString> failed = kept.flush();
              if (failed)
                  qCWarning(lcKeyboard).noquote()
                      << "could not make the kept mode durable:" << *failed;
              return failed;
          },
          flushSettle),
      checks_(authorizer, limits), defaultMode_(config.defaultMode()),
      unusableConfig_(config.unusable()) {
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(idleTime);
    connect(&idleTimer_, &QTimer::timeout, this, &KeyboardService::timedOut);
    // A caller still waiting for the authority gets its answer first.
    connect(&checks_, &PendingChecks::settled, this, &KeyboardService::touch);
    noteReadings();
    touch();
}

KeyboardService::~KeyboardService() {
    if (const QString failed = durable_.finish(); !failed.isEmpty())
        qCCritical(lcKeyboard).noquote()
            << "exiting with the kept mode not on disk; a power cut may lose it:" << failed;
}

void KeyboardService::timedOut() {
    // Once stopping, the checks left are cancelled ones, whose replies may never come.
    if (!stopping_ && !checks_.isEmpty())
        return; // settled() starts the timer again
    if (draining_)
        emit drained();
    else if (subscribers_.isEmpty())
        emit idle(); // otherwise the last subscriber to leave starts the timer again
}

void KeyboardService::touch() {
    if (idleTimer_.interval() > 0)
        idleTimer_.start();
}

void KeyboardService::called() {
    if (draining_ && !drainEnd_.hasExpired())
        touch();
}

void KeyboardService::drain(std::chrono::milliseconds quiet) {
    draining_ = true;
    drainEnd_.setRemainingTime(quiet * drainRounds);
    idleTimer_.setInterval(quiet);
    touch();
}

void KeyboardService::stop() {
    stopping_ = true;
    checks_.cancelAll(stoppingReason);
    // A drain already under way may be waiting for settled(), which need never come now.
    touch();
}

void KeyboardService::subscribe(const QString &name) {
    touch();
    const bool first = subscribers_.isEmpty();
    subscribers_.insert(name);
    if (first)
        emit subscribersChanged(true);
}

void KeyboardService::callerLeft(const QString &name) {
    checks_.callerLeft(name);
    if (subscribers_.remove(name) && subscribers_.isEmpty()) {
        touch();
        emit subscribersChanged(false);
    }
}

QList<Keyboard> KeyboardService::keyboards() {
    called();
    look(false);
    return lastFound_;
}

QString KeyboardService::mode() {
    called();
    look(false);
    return lastMode();
}

QString KeyboardService::lastMode() const {
    const std::optional<KeyboardMode> kept = kept_.read();
    return kept ? modeName(*kept) : QString();
}

ServiceAnswer KeyboardService::underLock(
    const std::function<ServiceAnswer(const QString &lockFailure, News &news)> &change) {
    News news;
    ServiceAnswer answer;
    {
        const KeptMode::Lock lock = kept_.lock();
        const SysfsKeyboards::Hold hold(keyboards_);
        answer = change(lock.failure(), news);
    }
    tell(news);
    return answer;
}

ServiceAnswer
KeyboardService::writeUnderLock(const std::function<ServiceAnswer(News &news)> &change) {
    return underLock([&change](const QString &lockFailure, News &news) {
        if (!lockFailure.isEmpty())
            return error(KeyboardBus::writeFailedError,
                         QStringLiteral("Not switched: %1").arg(lockFailure));
        return change(news);
    });
}

void KeyboardService::tell(const News &news) {
    if (!news.properties.isEmpty())
        emit propertiesChanged(news.properties);
    if (news.byKeyboard)
        emit modeChangedByKeyboard(modeName(*news.byKeyboard));
}

QList<Keyboard> KeyboardService::noteReadings() {
    lastFound_ = keyboards_.scan();
    readings_.clear();
    for (Keyboard &keyboard : lastFound_) {
        readings_.insert(keyboard.id, keyboard.mode);
        keyboard.name = printable(keyboard.name);
    }
    return lastFound_;
}

bool KeyboardService::allHold(KeyboardMode mode) const {
    return !readings_.isEmpty() &&
           std::all_of(readings_.cbegin(), readings_.cend(),
                       [mode](KeyboardMode reading) { return reading == mode; });
}

void KeyboardService::followHardware() {
    look(true);
}

void KeyboardService::readSwitches() {
    look(false);
}

void KeyboardService::look(bool followKeyboard) {
    followKeyboard = followKeyboard || (noticePending_ && noticePending_());
    underLock([this, followKeyboard](const QString &lockFailure, News &news) {
        if (!lockFailure.isEmpty())
            qCWarning(lcKeyboard).noquote() << lockFailure;
        // Without the lock a change could be kept and written half-way through another's.
        if (followKeyboard && lockFailure.isEmpty())
            follow(news);
        else
            readAgain(news);
        return ServiceAnswer{};
    });
}

std::optional<KeyboardMode> KeyboardService::readAgain(News &news) {
    const QHash<QString, KeyboardMode> before = readings_;
    const std::optional<KeyboardMode> kept = kept_.read();
    std::optional<KeyboardMode> changed;
    const QList<Keyboard> found = noteReadings();
    for (const Keyboard &keyboard : found) {
        const bool switchable = requestedMode(modeName(keyboard.mode)).has_value();
        // A keyboard that just came is given the kept mode by udev, not followed.
        if (switchable && before.contains(keyboard.id) && keyboard.mode != before[keyboard.id] &&
            keyboard.mode != kept)
            changed = keyboard.mode;
    }
    if (readings_ != before)
        news.properties.append(QStringLiteral("Keyboards"));
    return changed;
}

void KeyboardService::follow(News &news) {
    const std::optional<KeyboardMode> changed = readAgain(news);
    if (!changed)
        return;
    if (unusableConfig_) {
        qCWarning(lcKeyboard).noquote() << "not following a keyboard:" << *unusableConfig_;
        return;
    }
    qCInfo(lcKeyboard).noquote() << "changed on the keyboard to" << modeName(*changed);
    if (std::optional<QString> failed = keep(*changed)) {
        qCWarning(lcKeyboard).noquote() << "not following, could not keep the mode:" << *failed;
        return;
    }
    keyboards_.write(*changed);
    noteReadings();
    news.properties = QStringList{QStringLiteral("Mode"), QStringLiteral("Keyboards")};
    news.byKeyboard = changed;
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
    if (unusableConfig_)
        return answer(unusableRefusal(*unusableConfig_));
    authorised(caller, std::move(answer), [this, mode = *requested] {
        return writeUnderLock([this, mode](News &news) { return keepAndWrite(mode, news); });
    });
}

void KeyboardService::apply(const Caller &caller, std::function<void(ServiceAnswer)> answer) {
    touch();
    if (unusableConfig_)
        return answer(unusableRefusal(*unusableConfig_));
    // A switch that moved without its keyboard telling was moved by someone else than the
    // person at the keyboard, or by firmware gone back to its default: it is given the kept
    // mode again, never followed.
    look(false);
    // An administrator's default stands in until someone chooses; the Mode property stays empty.
    std::optional<KeyboardMode> target = kept_.read();
    if (!target)
        target = defaultMode_;
    if (!target)
        return answer(ServiceAnswer{});
    if (readings_.isEmpty())
        return answer(answerFor(WriteReport{}));
    if (allHold(*target))
        return answer(ServiceAnswer{uint(readings_.size()), {}, {}});
    authorised(caller, std::move(answer), [this] {
        return writeUnderLock([this](News &news) { return applyAllowed(news); });
    });
}

void KeyboardService::authorised(const Caller &caller, std::function<void(ServiceAnswer)> answer,
                                 std::function<ServiceAnswer()> change) {
    if (stopping_)
        return answer(cancelled(stoppingReason));
    checks_.ask(caller, [answer = std::move(answer),
                         change = std::move(change)](CheckOutcome outcome, const QString &why) {
        if (outcome == CheckOutcome::allowed)
            return answer(change());
        qCInfo(lcKeyboard).noquote() << "not switching:" << why;
        if (outcome == CheckOutcome::cancelled)
            return answer(cancelled(why));
        answer(error(accessDenied,
                     QStringLiteral("Not authorised to change the keyboard mode (%1)").arg(why)));
    });
}

// Each look at the switches walks the tree again: what one look found is used until the next
// write, which is most of what a switch costs beside its bus round trips.
ServiceAnswer KeyboardService::keepAndWrite(KeyboardMode mode, News &news) {
    readAgain(news);
    const std::optional<KeyboardMode> before = kept_.read();
    // The mode already kept and in force: nothing written, nothing told.
    if (before == mode && allHold(mode))
        return ServiceAnswer{uint(readings_.size()), {}, {}};
    // Switches written to a mode that was not kept would be put back by the next Apply, and the
    // Mode property would say another than the keyboards.
    if (std::optional<QString> failed = keep(mode)) {
        qCWarning(lcKeyboard).noquote() << "could not keep the mode:" << *failed;
        return error(KeyboardBus::writeFailedError,
                     QStringLiteral("Not switched: %1").arg(*failed));
    }
    if (before != mode && !news.properties.contains(QStringLiteral("Mode")))
        news.properties.append(QStringLiteral("Mode"));
    return write(mode, news);
}

// The caller is answered without waiting for the disk: the file is already replaced for every
// reader, and reaching the disk is the flush thread's business.
std::optional<QString> KeyboardService::keep(KeyboardMode mode) {
    std::optional<QString> failed = kept_.write(mode);
    if (!failed)
        durable_.request();
    return failed;
}

// The switches may have moved while the caller was being asked about: looked at once more.
ServiceAnswer KeyboardService::applyAllowed(News &news) {
    readAgain(news);
    std::optional<KeyboardMode> target = kept_.read();
    if (!target)
        target = defaultMode_;
    if (!target)
        return ServiceAnswer{};
    if (allHold(*target))
        return ServiceAnswer{uint(readings_.size()), {}, {}};
    return write(*target, news);
}

// Called right after the switches were read (readAgain), so the readings are current.
ServiceAnswer KeyboardService::write(KeyboardMode mode, News &news) {
    const QHash<QString, KeyboardMode> before = readings_;
    const WriteReport report = keyboards_.write(mode);
    noteReadings();
    if (readings_ != before && !news.properties.contains(QStringLiteral("Keyboards")))
        news.properties.append(QStringLiteral("Keyboards"));
    return answerFor(report);
}

ServiceAnswer KeyboardService::applyKept(const SysfsKeyboards &keyboards, const KeptMode &kept,
                                         const KeyboardConfig &config) {
    if (const std::optional<QString> unusable = config.unusable())
        return unusableRefusal(*unusable);
    const KeptMode::Lock lock = kept.lock();
    if (!lock.failure().isEmpty())
        return error(KeyboardBus::writeFailedError, lock.failure());
    std::optional<KeyboardMode> mode = kept.read();
    if (!mode)
        mode = config.defaultMode();
    if (!mode)
        return ServiceAnswer{};
    if (const std::optional<uint> holding = allHolding(keyboards.scan(), *mode))
        return ServiceAnswer{*holding, {}, {}};
    return answerFor(keyboards.write(*mode));
}
