// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <utility>

// The console table, followed by one line comparing a benchmark against its yardstick measured
// in the same run: absolute figures drift with the machine's load, the ratio much less.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string subject, std::string yardstick, std::string label, std::string aim)
        : subject_(std::move(subject)), yardstick_(std::move(yardstick)), label_(std::move(label)),
          aim_(std::move(aim)) {}

    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            // With repetitions the median stands for the benchmark; the mean, the deviation
            // and the single repetitions do not.
            if (failed(run) || (run.run_type == Run::RT_Aggregate && !median))
                continue;
            Timing &timing = timings_[run.run_name.function_name];
            if (timing.fromMedian && !median)
                continue;
            // The adjusted time is counted in the benchmark's own unit, not in seconds.
            timing = {run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
                      run.time_unit, median};
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const Timing subject = timings_[subject_];
        const Timing yardstick = timings_[yardstick_];
        if (subject.seconds <= 0 || yardstick.seconds <= 0)
            return;
        // Both in the subject's unit, as its row of the table shows it.
        const double scale = benchmark::GetTimeUnitMultiplier(subject.unit);
        const char *unit = benchmark::GetTimeUnitString(subject.unit);
        char line[512];
        std::snprintf(line, sizeof line, "%s: %.2f %s against %.2f %s, ratio %.2fx (aim: %s)\n",
                      label_.c_str(), subject.seconds * scale, unit, yardstick.seconds * scale,
                      unit, subject.seconds / yardstick.seconds, aim_.c_str());
        GetOutputStream() << line << std::flush;
    }

private:
    // Benchmark 1.8 folded error_occurred into a skip state (1.9 removed the old member); a
    // skipped run has no timing either.
    template <typename R> static bool failed(const R &run) {
        if constexpr (requires { run.error_occurred; })
            return run.error_occurred;
        else
            return run.skipped != decltype(run.skipped){};
    }

    struct Timing {
        double seconds = 0;
        benchmark::TimeUnit unit = benchmark::kNanosecond;
        bool fromMedian = false;
    };

    std::string subject_, yardstick_, label_, aim_;
    std::map<std::string, Timing> timings_;
};
