// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// An Xvfb of the test's own on a free display number, listening on the abstract socket only.
// Started by the constructor (before any QGuiApplication exists) and killed by the destructor.
class PrivateXServer {
public:
    PrivateXServer();
    ~PrivateXServer();
    PrivateXServer(const PrivateXServer &) = delete;
    PrivateXServer &operator=(const PrivateXServer &) = delete;

    static bool available(); // Xvfb is installed
    bool running() const { return pid_ > 0; }
    QByteArray display() const { return display_; } // ":N"
    QString failure() const { return failure_; }    // why it is not running

private:
    bool start(int number);

    pid_t pid_ = -1;
    QByteArray display_;
    QString failure_;
};
