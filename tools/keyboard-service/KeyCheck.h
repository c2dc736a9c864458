#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What arrived when the user pressed a key of the top row.
enum class ArrivedKey { functionKey, hardwareKey };

// Reads key presses from input devices until one of the top row arrives: F1-F12, or a key
// the row sends in its other mode (brightness, volume, media and the like).
class KeyCheck {
public:
    // Every event device of a keyboard with F1 under the input directory, as the kernel lists them
    // under the sysfs root.
    static QStringList keyboardDevices(const QString &sysfsRoot, const QString &inputDirectory);

    // Nothing when no such key came before `timeoutMs`, or no device could be read; then `why`
    // says what went wrong.
    static std::optional<ArrivedKey> waitForTopRow(const QStringList &devices, int timeoutMs,
                                                   QString &why);

    // Whether a key code is one of the top row's, and which kind.
    static std::optional<ArrivedKey> classify(int code);
};
