// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "fnkey/ModeRules.h"

#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;
class SettingsStore;

// The rules per application and the mode of every other application. The list shows the store;
// a change is written and the list follows when the store's file changes.
class ApplicationsPage : public QWidget {
    Q_OBJECT
public:
    // `store` outlives the page.
    explicit ApplicationsPage(const SettingsStore &store, QWidget *parent = nullptr);

    // Reads the rules afresh, keeping the selected application selected.
    void reload();

Q_SIGNALS:
    // A reading or a write failed, in words for the user.
    void failed(const QString &failure);

private:
    void showRules(const StoredRules &rules);
    void selectionChanged();
    QString selectedApplication() const;
    void modeChosen();
    void removeSelected();
    void addApplication();
    void defaultChosen();
    void written(const RuleFailure &failure);

    const SettingsStore &store_;
    QListWidget *rules_;
    QComboBox *mode_;
    QPushButton *remove_;
    QPushButton *add_;
    QComboBox *default_;
};
