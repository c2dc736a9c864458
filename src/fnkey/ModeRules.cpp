// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "fnkey/ModeRules.h"

#include "fnkey/FnKeyToggler.h"

#include <NestedText.h>
#include <Store.h>

#include <cstdlib>

namespace {
const Domain domain{"org.vantel.Vantel", false};
const std::string applicationsKey = "ApplicationModes";
const std::string defaultKey = "DefaultMode";

bool isMissing(const Failure &failure) {
    return failure.problem == Problem::missingDomain || failure.problem == Problem::missingKey;
}

RuleFailure failureOf(const Status &status) {
    if (!status)
        return std::nullopt;
    return QString::fromStdString(status->message);
}
} // namespace

ModeRules::ModeRules(QString storeRoot) : storeRoot_(std::move(storeRoot)) {}

QString ModeRules::modeName(bool fnState) {
    return fnState ? QStringLiteral("function-keys") : QStringLiteral("hardware-keys");
}

std::optional<bool> ModeRules::parseMode(const QString &name) {
    const QString mode = normalisedAnswer(name);
    if (mode == u"function-keys")
        return true;
    if (mode == u"hardware-keys")
        return false;
    return std::nullopt;
}

std::optional<QHash<QString, QString>> ModeRules::parseDictionary(const QString &text) {
    const std::optional<StringPairs> parsed = parseWordDictionary(text.toStdString());
    if (!parsed)
        return std::nullopt;
    QHash<QString, QString> pairs;
    for (const auto &[key, value] : *parsed)
        pairs.insert(QString::fromStdString(key), QString::fromStdString(value));
    return pairs;
}

namespace {
PreferenceStore storeAt(const std::optional<QString> &root) {
    return PreferenceStore(root ? root->toStdString()
                                : storeRoot(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                           std::string());
}
} // namespace

RulesReading ModeRules::read() const {
    const PreferenceStore store = storeAt(storeRoot_);
    StoredRules rules;
    // The printed form, read back by the parser that belongs to its printer: the one way a
    // dictionary leaves the store, for the tool and for the program alike.
    const Result<StoredValue> applications = store.read(domain, applicationsKey);
    if (!applications && !isMissing(applications.failure()))
        return {std::nullopt, QString::fromStdString(applications.failure().message)};
    if (applications) {
        const auto pairs = applications->type == "dictionary"
                               ? parseDictionary(QString::fromStdString(applications->text))
                               : std::nullopt;
        if (!pairs)
            return {std::nullopt, QStringLiteral("%1 in %2 is not a dictionary of modes")
                                      .arg(QString::fromStdString(applicationsKey),
                                           QString::fromStdString(store.pathFor(domain)))};
        for (auto [application, name] : pairs->asKeyValueRange()) {
            if (const std::optional<bool> mode = parseMode(name))
                rules.applications.insert(application, *mode);
        }
    }
    const Result<StoredValue> fallback = store.read(domain, defaultKey);
    if (!fallback && !isMissing(fallback.failure()))
        return {std::nullopt, QString::fromStdString(fallback.failure().message)};
    if (fallback)
        rules.defaultMode = parseMode(QString::fromStdString(fallback->text));
    return {std::move(rules), QString()};
}

RuleFailure ModeRules::remember(const QString &application, bool fnState) const {
    PreferenceStore store = storeAt(storeRoot_);
    return failureOf(store.addToDictionary(
        domain, applicationsKey, {{application.toStdString(), modeName(fnState).toStdString()}}));
}

RuleFailure ModeRules::forget(const QString &application) const {
    PreferenceStore store = storeAt(storeRoot_);
    return failureOf(
        store.removeFromDictionary(domain, applicationsKey, {application.toStdString()}));
}

RuleFailure ModeRules::setDefaultMode(bool fnState) const {
    PreferenceStore store = storeAt(storeRoot_);
    return failureOf(store.write(domain, defaultKey, Value(modeName(fnState).toStdString())));
}

RuleFailure ModeRules::clearDefaultMode() const {
    PreferenceStore store = storeAt(storeRoot_);
    const Status removed = store.remove(domain, defaultKey);
    // Nothing to remove is what was asked for.
    if (removed && isMissing(*removed))
        return std::nullopt;
    return failureOf(removed);
}
