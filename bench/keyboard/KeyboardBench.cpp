// One switch through the keyboard service (a bus round trip, the polkit check against the test
// authority, a scan and the write) against writing the attribute directly. The service's share
// should stay small beside the program's own switch, which takes about a second of spinning.
#include "FakePolkitAuthority.h"
#include "FakeSysfs.h"
#include "RatioReporter.h"
#include "ServiceBus.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

struct Setup {
    FakeSysfs sysfs;
    QTemporaryDir state;
    QString attribute;
    std::unique_ptr<ServiceBus> bus;
    std::unique_ptr<QDBusConnection> client;
    std::unique_ptr<FakePolkitAuthority> authority;
};

Setup *setup = nullptr;

const char *modeFor(std::int64_t iteration) {
    return iteration % 2 ? "hardware-keys" : "function-keys";
}

void BM_SetModeThroughBus(benchmark::State &state) {
    std::int64_t iteration = 0;
    for (auto _ : state) {
        const QDBusMessage reply = ServiceBus::call(
            *setup->client,
            ServiceBus::serviceCall(QStringLiteral("SetMode"), {QString(modeFor(iteration++))}));
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
BENCHMARK(BM_WriteAttributeDirectly)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    Setup prepared;
    prepared.attribute = prepared.sysfs.addSwitch(QStringLiteral("hid_apple"), "3");
    prepared.bus = std::make_unique<ServiceBus>(
        ServiceBus::Options{prepared.sysfs.root(), prepared.state.path(), 0, true});
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
    RatioReporter reporter("BM_SetModeThroughBus", "BM_WriteAttributeDirectly",
                           "SetMode through the service against writing the attribute",
                           "below 1000x, and the switch itself far below the spin's second");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
