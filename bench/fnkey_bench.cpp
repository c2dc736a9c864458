// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// One reading of the fn state against spawning /bin/true through the same runner: the ratio is
// what the preference tool and the output handling add on top of a bare process launch.
#include "RatioReporter.h"
#include "fnkey/FnKeyToggler.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace std::chrono_literals;

namespace {

QString defaultsTool() {
    const QString built = QStringLiteral(VANTEL_BUILT_DEFAULTS);
    return QFile::exists(built) ? built : QString::fromLatin1(FnKeyToggler::defaultsPath);
}

void BM_ReadFnState(benchmark::State &state) {
    const FnKeyToggler toggler(defaultsTool());
    for (auto _ : state)
        benchmark::DoNotOptimize(toggler.readFnState());
}

void BM_SpawnTrue(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(runProcess(QStringLiteral("/bin/true"), {}, 5s).status);
}

BENCHMARK(BM_ReadFnState)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SpawnTrue)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    // A private store holding the key, so the benchmark neither reads nor writes the user's own.
    QTemporaryDir store;
    qputenv("XDG_CONFIG_HOME", store.path().toUtf8());
    QProcess::execute(defaultsTool(), {QStringLiteral("write"), QStringLiteral("-g"),
                                       QStringLiteral("com.apple.keyboard.fnState"),
                                       QStringLiteral("-bool"), QStringLiteral("true")});
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter("BM_ReadFnState", "BM_SpawnTrue", "readFnState / spawn of /bin/true",
                           "as close to 1x as the tool allows");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
