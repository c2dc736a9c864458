// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/ApplicationPicker.h"

#include "fnkey/ModeRules.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ApplicationPicker::ApplicationPicker(QWidget *parent)
    : QDialog(parent), applications_(installedApplications()), search_(new QLineEdit(this)),
      list_(new QListWidget(this)), mode_(new QComboBox(this)) {
    setWindowTitle(tr("Add an Application"));
    search_->setPlaceholderText(tr("Search by name"));
    search_->setClearButtonEnabled(true);
    search_->setAccessibleName(tr("Search applications"));
    list_->setAccessibleName(tr("Installed applications"));
    mode_->addItem(tr("Function keys (F1, F2, …)"), ModeRules::modeName(true));
    mode_->addItem(tr("Hardware keys (brightness, volume, …)"), ModeRules::modeName(false));
    mode_->setAccessibleName(tr("Mode for this application"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Add"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Add"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    const auto updateOk = [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!chosen().isEmpty());
    };
    connect(list_, &QListWidget::itemSelectionChanged, this, updateOk);
    connect(search_, &QLineEdit::textChanged, this, &ApplicationPicker::filter);

    auto *form = new QFormLayout;
    form->addRow(tr("&Search:"), search_);
    form->addRow(tr("&Mode:"), mode_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    filter();
    updateOk();
}

QString ApplicationPicker::chosen() const {
    const QList<QListWidgetItem *> selected = list_->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->data(Qt::UserRole).toString();
}

QString ApplicationPicker::mode() const {
    return mode_->currentData().toString();
}

void ApplicationPicker::filter() {
    list_->clear();
    for (const InstalledApplication &application :
         matchingApplications(applications_, search_->text())) {
        const QIcon icon = QFileInfo(application.icon).isAbsolute()
                               ? QIcon(application.icon)
                               : QIcon::fromTheme(application.icon);
        auto *item = new QListWidgetItem(icon, application.name, list_);
        item->setData(Qt::UserRole, application.id);
        item->setToolTip(application.id);
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0);
}
