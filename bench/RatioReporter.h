#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
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
        for (const Run &run : runs)
            times_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const double subject = times_[subject_];
        const double yardstick = times_[yardstick_];
        if (subject > 0 && yardstick > 0)
            std::printf("%s: %.1f us against %.1f us, ratio %.2fx (aim: %s)\n", label_.c_str(),
                        subject, yardstick, subject / yardstick, aim_.c_str());
    }

private:
    std::string subject_, yardstick_, label_, aim_;
    std::map<std::string, double> times_;
};
