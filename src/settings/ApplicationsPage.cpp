// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/ApplicationsPage.h"

#include "settings/ApplicationPicker.h"
#include "settings/InstalledApplications.h"
#include "settings/SettingsStore.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int idRole = Qt::UserRole;
constexpr int modeRole = Qt::UserRole + 1;

QString modeText(bool fnState) {
    return fnState ? ApplicationsPage::tr("Function keys (F1, F2, …)")
                   : ApplicationsPage::tr("Hardware keys (brightness, volume, …)");
}

void addModes(QComboBox &chooser) {
    for (const bool fnState : {true, false})
        chooser.addItem(modeText(fnState), ModeRules::modeName(fnState));
}

QIcon applicationIcon(const QString &icon) {
    if (icon.isEmpty())
        return QIcon::fromTheme(QStringLiteral("application-x-executable"));
    if (QFileInfo(icon).isAbsolute())
        return QIcon(icon);
    return QIcon::fromTheme(icon, QIcon::fromTheme(QStringLiteral("application-x-executable")));
}
} // namespace

ApplicationsPage::ApplicationsPage(const SettingsStore &store, QWidget *parent)
    : QWidget(parent), store_(store), rules_(new QListWidget(this)), mode_(new QComboBox(this)),
      remove_(new QPushButton(tr("&Remove"), this)), add_(new QPushButton(tr("A&dd…"), this)),
      default_(new QComboBox(this)) {
    auto *listLabel = new QLabel(tr("Applications with a mode of their &own:"), this);
    listLabel->setBuddy(rules_);
    rules_->setAccessibleName(tr("Applications with a mode of their own"));
    rules_->setSelectionMode(QAbstractItemView::SingleSelection);
    addModes(*mode_);
    mode_->setAccessibleName(tr("Mode of the selected application"));
    remove_->setAccessibleName(tr("Remove the selected application's rule"));
    add_->setAccessibleName(tr("Add an application"));
    addModes(*default_);
    default_->addItem(tr("The mode in force when first needed"), QString());
    default_->setAccessibleName(tr("Mode of all other applications"));

    auto *modeLabel = new QLabel(tr("&Mode:"), this);
    modeLabel->setBuddy(mode_);
    auto *ruleRow = new QHBoxLayout;
    ruleRow->addWidget(modeLabel);
    ruleRow->addWidget(mode_, 1);
    ruleRow->addWidget(remove_);
    ruleRow->addWidget(add_);

    auto *others = new QFormLayout;
    others->addRow(tr("Other a&pplications:"), default_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(rules_, 1);
    layout->addLayout(ruleRow);
    layout->addLayout(others);

    connect(rules_, &QListWidget::itemSelectionChanged, this, &ApplicationsPage::selectionChanged);
    connect(mode_, &QComboBox::activated, this, &ApplicationsPage::modeChosen);
    connect(remove_, &QPushButton::clicked, this, &ApplicationsPage::removeSelected);
    connect(add_, &QPushButton::clicked, this, &ApplicationsPage::addApplication);
    connect(default_, &QComboBox::activated, this, &ApplicationsPage::defaultChosen);
    selectionChanged();
}

void ApplicationsPage::reload() {
    const RulesReading read = store_.readRules();
    if (!read.rules) {
        emit failed(tr("The rules could not be read: %1").arg(read.failure));
        return;
    }
    showRules(*read.rules);
}

void ApplicationsPage::showRules(const StoredRules &rules) {
    const QString selected = selectedApplication();
    QList<InstalledApplication> shown;
    for (const QString &id : rules.applications.keys())
        shown.append(describeApplication(id));
    std::sort(shown.begin(), shown.end(), [](const auto &a, const auto &b) {
        const int order = a.name.localeAwareCompare(b.name);
        return order != 0 ? order < 0 : a.id < b.id;
    });
    {
        const QSignalBlocker blocker(rules_);
        rules_->clear();
        for (const InstalledApplication &application : shown) {
            const bool fnState = rules.applications.value(application.id);
            auto *item =
                new QListWidgetItem(applicationIcon(application.icon),
                                    tr("%1 — %2").arg(application.name, modeText(fnState)), rules_);
            item->setData(idRole, application.id);
            item->setData(modeRole, ModeRules::modeName(fnState));
            item->setData(Qt::AccessibleTextRole, item->text());
            if (application.id == selected)
                rules_->setCurrentItem(item);
        }
    }
    const QSignalBlocker blocker(default_);
    default_->setCurrentIndex(default_->findData(
        rules.defaultMode ? ModeRules::modeName(*rules.defaultMode) : QString()));
    selectionChanged();
}

QString ApplicationsPage::selectedApplication() const {
    const QList<QListWidgetItem *> selected = rules_->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->data(idRole).toString();
}

void ApplicationsPage::selectionChanged() {
    const QList<QListWidgetItem *> selected = rules_->selectedItems();
    const bool any = !selected.isEmpty();
    mode_->setEnabled(any);
    remove_->setEnabled(any);
    if (!any)
        return;
    const QSignalBlocker blocker(mode_);
    mode_->setCurrentIndex(mode_->findData(selected.constFirst()->data(modeRole)));
}

void ApplicationsPage::modeChosen() {
    const QString id = selectedApplication();
    if (const std::optional<bool> fnState = ModeRules::parseMode(mode_->currentData().toString());
        !id.isEmpty() && fnState)
        written(store_.setRule(id, *fnState));
}

void ApplicationsPage::removeSelected() {
    if (const QString id = selectedApplication(); !id.isEmpty())
        written(store_.removeRule(id));
}

void ApplicationsPage::addApplication() {
    // The installed applications are read only now, when someone asks for them.
    ApplicationPicker picker(this);
    if (picker.exec() != QDialog::Accepted || picker.chosen().isEmpty())
        return;
    const std::optional<bool> fnState = ModeRules::parseMode(picker.mode());
    written(store_.setRule(picker.chosen(), fnState.value_or(true)));
}

void ApplicationsPage::defaultChosen() {
    written(store_.setDefaultMode(ModeRules::parseMode(default_->currentData().toString())));
}

// The list follows from the file watch; a failed write leaves the store, and so the list, as
// it was.
void ApplicationsPage::written(const RuleFailure &failure) {
    if (failure)
        emit failed(tr("The change was not saved: %1").arg(*failure));
}
