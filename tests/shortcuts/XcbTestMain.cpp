// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "PrivateXServer.h"
#include "XcbTestEnvironment.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

PrivateXServer *XcbTestEnvironment::server = nullptr;

// The display must exist before the application connects to it, so this binary brings its own
// main: private Xvfb first, then a QGuiApplication on the xcb platform.
int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    PrivateXServer server;
    XcbTestEnvironment::server = &server;
    qputenv("QT_QPA_PLATFORM", server.running() ? "xcb" : "offscreen");
    if (server.running()) {
        qputenv("DISPLAY", server.display());
    }
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
