// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/SettingsStore.h"

#include <Store.h>

#include <cstdlib>

namespace {
const Domain domain{"org.vantel.Vantel", false};
const std::string iconColorKey = "IconColor";

PreferenceStore storeAt(const std::optional<QString> &root) {
    return PreferenceStore(root ? root->toStdString()
                                : storeRoot(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                           std::string());
}
} // namespace

SettingsStore::SettingsStore(QString storeRoot) : storeRoot_(storeRoot), rules_(storeRoot) {}

RulesReading SettingsStore::readRules() const {
    return rules_.read();
}

RuleFailure SettingsStore::setRule(const QString &application, bool fnState) const {
    return rules_.remember(application, fnState);
}

RuleFailure SettingsStore::removeRule(const QString &application) const {
    return rules_.forget(application);
}

RuleFailure SettingsStore::setDefaultMode(std::optional<bool> fnState) const {
    return fnState ? rules_.setDefaultMode(*fnState) : rules_.clearDefaultMode();
}

IconColorPreference SettingsStore::iconColor() const {
    const Result<StoredValue> stored = storeAt(storeRoot_).read(domain, iconColorKey);
    return stored ? iconColorPreference(QString::fromStdString(stored->text))
                  : IconColorPreference::automatic;
}

RuleFailure SettingsStore::setIconColor(IconColorPreference preference) const {
    PreferenceStore store = storeAt(storeRoot_);
    const Status written =
        store.write(domain, iconColorKey, Value(iconColorName(preference).toStdString()));
    if (!written)
        return std::nullopt;
    return QString::fromStdString(written->message);
}
