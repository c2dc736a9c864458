// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/GeneralPage.h"

#include "settings/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSignalBlocker>

GeneralPage::GeneralPage(const SettingsStore &store, QWidget *parent)
    : QWidget(parent), store_(store), colour_(new QComboBox(this)),
      startAtLogin_(new QCheckBox(tr("&Start Vantel at login"), this)) {
    const std::pair<IconColorPreference, QString> colours[] = {
        {IconColorPreference::automatic, tr("Automatic (follow the panel)")},
        {IconColorPreference::light, tr("Light (for dark panels)")},
        {IconColorPreference::dark, tr("Dark (for light panels)")}};
    for (const auto &[preference, text] : colours)
        colour_->addItem(text, iconColorName(preference));
    colour_->setAccessibleName(tr("Icon colour"));
    startAtLogin_->setAccessibleName(tr("Start Vantel at login"));

    auto *colourLabel = new QLabel(tr("Icon &colour:"), this);
    colourLabel->setBuddy(colour_);
    auto *layout = new QFormLayout(this);
    layout->addRow(colourLabel, colour_);
    layout->addRow(startAtLogin_);

    connect(colour_, &QComboBox::activated, this, &GeneralPage::colourChosen);
    connect(startAtLogin_, &QCheckBox::toggled, this, &GeneralPage::autostartToggled);
}

void GeneralPage::reload() {
    {
        const QSignalBlocker blocker(colour_);
        colour_->setCurrentIndex(colour_->findData(iconColorName(store_.iconColor())));
    }
    const QSignalBlocker blocker(startAtLogin_);
    startAtLogin_->setChecked(autostart_.enabled());
}

void GeneralPage::colourChosen() {
    if (const RuleFailure failure =
            store_.setIconColor(iconColorPreference(colour_->currentData().toString())))
        emit failed(tr("The icon colour was not saved: %1").arg(*failure));
}

void GeneralPage::autostartToggled(bool enabled) {
    if (const std::optional<QString> failure = autostart_.setEnabled(enabled)) {
        emit failed(tr("The start at login was not changed: %1").arg(*failure));
        const QSignalBlocker blocker(startAtLogin_);
        startAtLogin_->setChecked(autostart_.enabled());
    }
}
