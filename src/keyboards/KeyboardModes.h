#pragma once

#include <QString>
#include <QStringList>

// What became of the last request to make the keyboards follow the fn state.
struct KeyboardReport {
    enum class Outcome { notAsked, switched, noKeyboard, refused, unavailable, failed };
    Outcome outcome = Outcome::notAsked;
    QStringList switched; // the names of the keyboards now in the asked-for mode
    QString detail;       // the service's own words, for the log
};

// Makes the keyboards the kernel can switch follow the fn state. The preference alone changes
// nothing on Linux: the drivers hold the mode, and only a root service may write it.
class KeyboardModes {
public:
    virtual ~KeyboardModes() = default;
    // Asks for every keyboard to follow `fnState`; returns at once and never fails the caller:
    // a missing service, no keyboard or a refusal only show up in the report and the log.
    virtual void apply(bool fnState) = 0;
    // The outcome of the last request that was answered.
    virtual KeyboardReport report() const = 0;
};
