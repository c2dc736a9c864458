// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "settings/KeyboardsPage.h"

#include "keyboards/KeyboardModes.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

KeyboardsPage::KeyboardsPage(KeyboardModes &keyboards, QWidget *parent)
    : QWidget(parent), keyboards_(keyboards), message_(new QLabel(this)),
      list_(new QTreeWidget(this)), refresh_(new QPushButton(tr("&Refresh"), this)) {
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    message_->setAccessibleName(tr("Keyboard service"));
    message_->setFocusPolicy(Qt::StrongFocus);
    list_->setAccessibleName(tr("Keyboards"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Keyboard"), tr("Driver"), tr("Mode"), tr("Switched by Vantel")});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    refresh_->setAccessibleName(tr("Ask the keyboard service again"));

    auto *label = new QLabel(tr("Keyboards the &service found:"), this);
    label->setBuddy(list_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addWidget(refresh_, 0, Qt::AlignLeft);
    connect(refresh_, &QPushButton::clicked, this, &KeyboardsPage::refresh);
    message_->setText(tr("Asking the keyboard service…"));
}

void KeyboardsPage::refresh() {
    keyboards_.listKeyboards(
        [self = QPointer<KeyboardsPage>(this)](const KeyboardListing &listing) {
            if (self)
                self->showListing(listing);
        });
}

void KeyboardsPage::showListing(const KeyboardListing &listing) {
    list_->clear();
    if (listing.serviceMissing) {
        message_->setText(
            tr("The keyboard service is not installed, so Vantel switches no keyboard. It comes "
               "with the vantel package; in a build of your own, install it with \"cmake "
               "--install build --component keyboard\" (see \"Which keyboards Vantel switches\" "
               "in the README)."));
        return;
    }
    if (!listing.failure.isEmpty()) {
        message_->setText(tr("The keyboard service did not answer: %1").arg(listing.failure));
        return;
    }
    message_->setText(listing.keyboards.isEmpty()
                          ? tr("The keyboard service found no keyboard whose driver has a "
                               "switch.")
                          : tr("The keyboard service found %n keyboard(s).", nullptr,
                               int(listing.keyboards.size())));
    for (const KeyboardState &keyboard : listing.keyboards) {
        const QString switched =
            keyboard.notSwitched.isEmpty() ? tr("Yes") : tr("No: %1").arg(keyboard.notSwitched);
        auto *item =
            new QTreeWidgetItem(list_, {keyboard.name, keyboard.driver, keyboard.mode, switched});
        item->setData(0, Qt::AccessibleTextRole,
                      tr("%1, driver %2, mode %3, switched by Vantel: %4")
                          .arg(keyboard.name, keyboard.driver, keyboard.mode, switched));
    }
}
