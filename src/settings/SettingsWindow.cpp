// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/SettingsWindow.h"

#include "desktop/PreferenceFileWatcher.h"
#include "logging/LoggingCategories.h"
#include "settings/ApplicationsPage.h"
#include "settings/GeneralPage.h"
#include "settings/HotKeyPage.h"
#include "settings/KeyboardsPage.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

SettingsWindow::SettingsWindow(GlobalHotKey &hotKey, KeyboardModes &keyboards, SettingsStore store,
                               QWidget *parent)
    : QWidget(parent), store_(std::move(store)), tabs_(new QTabWidget(this)),
      applications_(new ApplicationsPage(store_, this)), general_(new GeneralPage(store_, this)),
      keyboards_(new KeyboardsPage(keyboards, this)), hotKey_(new HotKeyPage(hotKey, this)),
      failure_(new QLabel(this)), watcher_(std::make_unique<PreferenceFileWatcher>(
                                      PreferenceFileWatcher::programDomainPath())) {
    setWindowTitle(tr("Vantel Settings"));
    setObjectName(QStringLiteral("settingsWindow"));
    tabs_->setAccessibleName(tr("Settings sections"));
    tabs_->addTab(applications_, tr("&Applications"));
    tabs_->addTab(general_, tr("&General"));
    tabs_->addTab(keyboards_, tr("&Keyboards"));
    tabs_->addTab(hotKey_, tr("&Hot Key"));

    failure_->setWordWrap(true);
    failure_->setAccessibleName(tr("Problem"));
    failure_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    failure_->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(failure_);
    layout->addWidget(buttons);

    connect(applications_, &ApplicationsPage::failed, this, &SettingsWindow::showFailure);
    connect(general_, &GeneralPage::failed, this, &SettingsWindow::showFailure);
    // The same watch the program keeps on its rules: a write from here, from the program or from
    // `defaults write` shows alike.
    connect(watcher_.get(), &PreferenceFileWatcher::changed, this, &SettingsWindow::reload);
    reload();
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::present() {
    keyboards_->refresh();
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void SettingsWindow::reload() {
    failure_->hide();
    applications_->reload();
    general_->reload();
}

void SettingsWindow::showFailure(const QString &failure) {
    qCWarning(lcSettings).noquote() << failure;
    failure_->setText(failure);
    failure_->show();
}
