// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// One switch through the keyboard service (a bus round trip, the polkit check against the test
// authority, a scan and the write) against a bare round trip to the service (Peer.Ping), with
// writing the attribute directly beside them. The switch should cost a few round trips: the
// polkit check is one more, the rest is the service's own work.
#include "FakePolkitAuthority.h"
#include "FakeSysfs.h"
#include "RatioReporter.h"
#include "ServiceBus.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

struct Setup {
    // The kernel's sysfs lives in memory and has no part in the disk's journal; a copy on the
    // disk would make the kept mode's flush stall the attribute writes, which no machine does.
    FakeSysfs sysfs{QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                              : QString()};
    QTemporaryDir state;
    QString attribute;
    std::unique_ptr<ServiceBus> bus;
    std::unique_ptr<QDBusConnection> client;
    std::unique_ptr<FakePolkitAuthority> authority;
};

Setup *setup = nullptr;

// Waits in an event loop that wakes at the answer: the tests' waiting helper sleeps in slices of
// 10 ms, which would be most of what is measured. The loop also serves the test authority.
QDBusMessage call(const QDBusMessage &message) {
    QDBusPendingCallWatcher watcher(setup->client->asyncCall(message, 20000));
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    if (!watcher.isFinished())
        loop.exec();
    return watcher.reply();
}

const char *modeFor(std::int64_t iteration) {
    return iteration % 2 ? "hardware-keys" : "function-keys";
}

void BM_SetModeThroughBus(benchmark::State &state) {
    std::int64_t iteration = 0;
    for (auto _ : state) {
        const QDBusMessage reply = call(
            ServiceBus::serviceCall(QStringLiteral("SetMode"), {QString(modeFor(iteration++))}));
        if (reply.type() != QDBusMessage::ReplyMessage)
            state.SkipWithError(qPrintable(reply.errorMessage()));
    }
}

void BM_PingService(benchmark::State &state) {
    const QDBusMessage ping = QDBusMessage::createMethodCall(
        QStringLiteral("org.vantel.Keyboard1"), QStringLiteral("/org/vantel/Keyboard1"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    for (auto _ : state) {
        const QDBusMessage reply = call(ping);
        if (reply.type() != QDBusMessage::ReplyMessage)
            state.SkipWithError(qPrintable(reply.errorMessage()));
    }
}

void BM_WriteAttributeDirectly(benchmark::State &state) {
    const QByteArray path = QFile::encodeName(setup->sysfs.root() + "/" + setup->attribute);
    std::int64_t iteration = 0;
    for (auto _ : state) {
        const char *value = iteration++ % 2 ? "1" : "2";
        const int fd = ::open(path.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        benchmark::DoNotOptimize(::write(fd, value, 1));
        ::close(fd);
    }
}

BENCHMARK(BM_SetModeThroughBus)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_PingService)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_WriteAttributeDirectly)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    Setup prepared;
    prepared.attribute = prepared.sysfs.addSwitch(QStringLiteral("hid_apple"), "3");
    prepared.bus = std::make_unique<ServiceBus>(
        ServiceBus::Options{prepared.sysfs.root(), prepared.state.path(), 0, true, {}, {}, {}});
    if (!prepared.bus->isRunning()) {
        std::fprintf(stderr, "could not start a private bus (is dbus-daemon installed?)\n");
        return 1;
    }
    prepared.client =
        std::make_unique<QDBusConnection>(prepared.bus->connect(QStringLiteral("bench-client")));
    prepared.authority = std::make_unique<FakePolkitAuthority>(
        prepared.bus->connect(QStringLiteral("bench-authority")));
    setup = &prepared;
    // The first call starts the service; it is not part of a switch.
    ServiceBus::call(*prepared.client, ServiceBus::serviceCall(QStringLiteral("Apply")));

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_SetModeThroughBus", "BM_PingService",
                           "SetMode through the service against a round trip to it",
                           "below 10x; the direct write is the floor");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
