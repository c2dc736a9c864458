// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "runtime/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int handledSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may only write to a descriptor; the main loop reads the other end.
int wakeupPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeupPipe[1], &byte, 1);
    errno = savedErrno;
}

void restoreDefaults() {
    for (const int signalNumber : handledSignals)
        std::signal(signalNumber, SIG_DFL);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> quit, QObject *parent)
    : QObject(parent), quit_(std::move(quit)) {
    if (wakeupPipe[0] < 0 && ::pipe2(wakeupPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(wakeupPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : handledSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    // Once nobody listens, a signal must end the process as it normally would.
    restoreDefaults();
}

void TerminationSignals::drain() {
    char bytes[16];
    bool received = false;
    while (::read(wakeupPipe[0], bytes, sizeof bytes) > 0)
        received = true;
    if (received && quit_)
        quit_();
}
