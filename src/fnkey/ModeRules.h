#pragma once

#include "fnkey/FnKeyToggler.h"

#include <QHash>
#include <QString>

#include <optional>

// What the user chose per application, as the preference store holds it.
struct StoredRules {
    // Application id -> fn state (true: standard function keys first).
    QHash<QString, bool> applications;
    // The mode of applications without a rule; none until it was first needed.
    std::optional<bool> defaultMode;
};

// The per-application modes in the program's own domain (`ApplicationModes`, `DefaultMode`),
// read and written through the preference tool like the fn state itself, so that a user's
// `defaults write` and the program see the same store. Stateless: every call starts a child
// process and blocks until it ends.
class ModeRules {
public:
    // The path is fixed in production; tests hand in their own executable.
    explicit ModeRules(
        QString defaultsExecutable = QString::fromLatin1(FnKeyToggler::defaultsPath));

    // Rules whose value is neither mode are skipped: a hand-written typo must not switch
    // anything.
    StoredRules read() const;
    // Adds or replaces the rule of `application`; false when the tool refused.
    bool remember(const QString &application, bool fnState) const;
    // Removes the rule of `application`, keeping every other one.
    bool forget(const QString &application) const;
    bool setDefaultMode(bool fnState) const;

    // The stored spelling of a mode, and back; none for anything else.
    static QString modeName(bool fnState);
    static std::optional<bool> parseMode(const QString &name);
    // The tool's printed dictionary (`{ key = value; … }`, with quotes where needed) as pairs;
    // none when `text` is not a dictionary.
    static std::optional<QHash<QString, QString>> parseDictionary(const QString &text);

private:
    QString defaultsExecutable_;
};
