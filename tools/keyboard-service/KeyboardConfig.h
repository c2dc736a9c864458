#pragma once

#include "keyboard-service/DriverTable.h"
#include "keyboard-service/KeyboardMode.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// What an administrator says about this machine: drivers whose two values mean the opposite
// here (a firmware setting flips them), and the mode given to keyboards while nobody has chosen
// one. An INI file:
//
//     [Invert]
//     ideapad_laptop=true
//     [Default]
//     Mode=function-keys
class KeyboardConfig {
public:
    static constexpr const char *defaultPath = "/etc/vantel/keyboard.conf";

    // A missing file is an empty configuration; lines that are not understood are logged and
    // left out, never guessed at.
    static KeyboardConfig read(const QString &path);

    // The driver table with the inverted rows' values swapped.
    QList<KeyboardDriver> drivers() const;
    std::optional<KeyboardMode> defaultMode() const { return defaultMode_; }
    QStringList problems() const { return problems_; }

private:
    void take(const QString &section, const QString &key, const QString &value, int line);

    QSet<QString> inverted_;
    std::optional<KeyboardMode> defaultMode_;
    QStringList problems_;
};
