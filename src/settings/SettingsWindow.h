// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "settings/SettingsStore.h"

#include <QWidget>

#include <memory>

class ApplicationsPage;
class GeneralPage;
class GlobalHotKey;
class HotKeyPage;
class KeyboardModes;
class KeyboardsPage;
class PreferenceFileWatcher;
class QLabel;
class QTabWidget;

// The one settings window. Everything it shows is read when it is made and again whenever the
// program's preference file changes, by whoever; every change is written at once, so closing it
// loses nothing and the program, which follows the same file, needs no restart.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    // `hotKey` and `keyboards` outlive the window.
    SettingsWindow(GlobalHotKey &hotKey, KeyboardModes &keyboards,
                   SettingsStore store = SettingsStore(), QWidget *parent = nullptr);
    ~SettingsWindow() override;

    // Shows the window, or brings it to the front, with the keyboards asked afresh.
    void present();

private:
    void reload();
    void showFailure(const QString &failure);

    SettingsStore store_;
    QTabWidget *tabs_;
    ApplicationsPage *applications_;
    GeneralPage *general_;
    KeyboardsPage *keyboards_;
    HotKeyPage *hotKey_;
    QLabel *failure_;
    std::unique_ptr<PreferenceFileWatcher> watcher_;
};
