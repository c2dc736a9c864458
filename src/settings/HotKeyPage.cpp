// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/HotKeyPage.h"

#include "shortcuts/GlobalHotKey.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

HotKeyPage::HotKeyPage(GlobalHotKey &hotKey, QWidget *parent)
    : QWidget(parent), hotKey_(hotKey), bound_(new QLabel(this)),
      configure_(new QPushButton(tr("&Change in the Desktop's Settings…"), this)),
      howTo_(new QLabel(this)), command_(new QLineEdit(QStringLiteral("vantel --toggle"), this)) {
    bound_->setWordWrap(true);
    bound_->setAccessibleName(tr("Bound keys"));
    bound_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    bound_->setFocusPolicy(Qt::StrongFocus);
    configure_->setAccessibleName(tr("Change the hot key in the desktop's settings"));
    howTo_->setWordWrap(true);
    howTo_->setText(
        tr("To bind other keys, give this command a shortcut in your desktop's keyboard "
           "settings (on GNOME: Settings → Keyboard → View and Customise Shortcuts → Custom "
           "Shortcuts → +; on sway and Hyprland: a bind line in their configuration):"));
    howTo_->setBuddy(command_);
    command_->setReadOnly(true);
    command_->setAccessibleName(tr("Command to bind"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bound_);
    layout->addWidget(configure_, 0, Qt::AlignLeft);
    layout->addWidget(howTo_);
    layout->addWidget(command_);
    layout->addStretch(1);
    connect(configure_, &QPushButton::clicked, this, [this] { hotKey_.configure(); });
    // Desktops that ask the user first bind the keys long after the start.
    connect(&hotKey_, &GlobalHotKey::shortcutChanged, this, &HotKeyPage::showBinding);
    showBinding();
}

void HotKeyPage::showBinding() {
    const QString keys = hotKey_.shortcut();
    bound_->setText(keys.isEmpty() ? tr("No keys are bound to the switch.")
                                   : tr("The switch is bound to %1.").arg(keys));
    // Where the desktop has a dialog of its own, that is the one way to change the keys.
    const bool desktopDialog = hotKey_.canConfigure();
    configure_->setVisible(desktopDialog);
    howTo_->setVisible(!desktopDialog);
    command_->setVisible(!desktopDialog);
}
