// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include "PrivateXServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

struct XcbTestEnvironment {
    static PrivateXServer *server; // set by the test main before the application starts
};

// Skips when Xvfb is not installed; fails when it is but could not be started.
#define REQUIRE_PRIVATE_X_SERVER()                                                                 \
    do {                                                                                           \
        if (!PrivateXServer::available()) {                                                        \
            GTEST_SKIP() << XcbTestEnvironment::server->failure().toStdString();                   \
        }                                                                                          \
        ASSERT_TRUE(XcbTestEnvironment::server->running())                                         \
            << XcbTestEnvironment::server->failure().toStdString();                                \
    } while (false)

// Runs the application's event loop until `done` holds or the time is up.
inline bool processEventsUntil(const std::function<bool()> &done, int milliseconds = 10000) {
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// Runs xdotool against the private display with the given command chain.
inline bool xdotool(const QStringList &arguments) {
    return QProcess::execute("xdotool", arguments) == 0;
}
