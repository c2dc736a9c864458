// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed terminal) into an orderly quit on
// the main thread, so that the hot key is released the same way as after the menu's Quit.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; `quit` runs on the main thread once per signal received.
    explicit TerminationSignals(std::function<void()> quit, QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    void drain();

    std::function<void()> quit_;
    QSocketNotifier *notifier_ = nullptr;
};
