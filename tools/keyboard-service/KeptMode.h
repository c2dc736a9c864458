#pragma once

#include "keyboard-service/KeyboardMode.h"

#include <QString>

#include <optional>

// The mode last asked for, kept in one small file so that it outlives the service, reboots,
// suspend and re-plugging.
class KeptMode {
public:
    explicit KeptMode(const QString &stateDirectory);

    // Nothing when no mode was ever kept, or when the file holds anything but a mode.
    std::optional<KeyboardMode> read() const;
    // Replaces the file so that a crash leaves the old mode or the new one; on failure, why.
    std::optional<QString> write(KeyboardMode mode) const;

    QString path() const;

private:
    QString directory_;
};
