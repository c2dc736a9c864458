// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "settings/InstalledApplications.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

// Chooses an installed application, searched by name, and the mode it gets.
class ApplicationPicker : public QDialog {
    Q_OBJECT
public:
    // Reads the installed applications.
    explicit ApplicationPicker(QWidget *parent = nullptr);

    // The chosen application's id; empty when none is selected.
    QString chosen() const;
    // The stored spelling of the chosen mode.
    QString mode() const;

private:
    void filter();

    QList<InstalledApplication> applications_;
    QLineEdit *search_;
    QListWidget *list_;
    QComboBox *mode_;
};
