// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "PrivateXServer.h"

#include <QStandardPaths>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int readyFd = 3;
constexpr int startTimeoutMs = 15000;

// Runs Xvfb on one display number; the server writes the number to `readyFd` once it accepts
// clients, and exits at once when the number is taken. It dies with the test process, even
// when that ends by a crash or a timeout.
pid_t spawnXvfb(const QByteArray &display, int writeEnd) {
    const QByteArray path = QStandardPaths::findExecutable("Xvfb").toLocal8Bit();
    std::vector<QByteArray> arguments{path,      display,     "-displayfd",  "3",
                                      "-screen", "0",         "1024x768x24", "-nolisten",
                                      "tcp",     "-nolisten", "unix",        "-nolock"};
    std::vector<char *> argv;
    for (QByteArray &argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int devNull = open("/dev/null", O_WRONLY);
        if (getppid() != parent || devNull < 0 || dup2(writeEnd, readyFd) < 0) {
            _exit(127);
        }
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// What the server wrote before it became ready or gave up; empty when it gave up.
QByteArray waitUntilReady(int readEnd) {
    QByteArray written;
    pollfd watch{readEnd, POLLIN, 0};
    while (!written.endsWith('\n') && poll(&watch, 1, startTimeoutMs) > 0) {
        char buffer[16];
        const ssize_t count = read(readEnd, buffer, sizeof buffer);
        if (count <= 0) {
            return {};
        }
        written.append(buffer, count);
    }
    return written.endsWith('\n') ? written : QByteArray();
}

} // namespace

bool PrivateXServer::available() {
    return !QStandardPaths::findExecutable("Xvfb").isEmpty();
}

PrivateXServer::PrivateXServer() {
    if (!available()) {
        failure_ = "Xvfb is not installed";
        return;
    }
    // Spread concurrent test processes over different numbers from the start.
    const int first = 200 + static_cast<int>(getpid() % 500);
    for (int number = first; number < first + 40; ++number) {
        if (start(number)) {
            return;
        }
    }
    failure_ = "Xvfb found no free display number";
}

// False when the number is taken or the server died while starting.
bool PrivateXServer::start(int number) {
    const QByteArray display = ':' + QByteArray::number(number);
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t pid = spawnXvfb(display, pipeEnds[1]);
    close(pipeEnds[1]);
    const bool ready = pid > 0 && waitUntilReady(pipeEnds[0]).trimmed() == display.mid(1);
    close(pipeEnds[0]);
    if (!ready) {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        return false;
    }
    pid_ = pid;
    display_ = display;
    return true;
}

PrivateXServer::~PrivateXServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
}
