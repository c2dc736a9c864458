// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "RatioReporter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Run = benchmark::BenchmarkReporter::Run;

// A run whose adjusted time is `perIteration`, counted in `unit`.
Run timed(const std::string &name, double perIteration, benchmark::TimeUnit unit,
          const std::string &aggregate = {}) {
    Run run;
    run.run_name.function_name = name;
    run.iterations = 10;
    run.time_unit = unit;
    run.real_accumulated_time = perIteration * 10 / benchmark::GetTimeUnitMultiplier(unit);
    if (!aggregate.empty()) {
        run.run_type = Run::RT_Aggregate;
        run.aggregate_name = aggregate;
    }
    return run;
}

// The ratio line the reporter writes after its table, or "" when it writes none.
std::string ratioLine(const std::vector<std::vector<Run>> &batches) {
    RatioReporter reporter("BM_Subject", "BM_Yardstick", "subject / yardstick", "below 2x");
    std::ostringstream out, errors;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&errors);
    for (const std::vector<Run> &runs : batches)
        reporter.ReportRuns(runs);
    reporter.Finalize();
    const std::string text = out.str();
    const std::size_t start = text.find("subject / yardstick: ");
    return start == std::string::npos ? std::string() : text.substr(start);
}

struct RatioCase {
    const char *name;
    std::vector<std::vector<Run>> batches;
    std::string expected;
};

void PrintTo(const RatioCase &tested, std::ostream *out) {
    *out << tested.name;
}

class RatioReporterTest : public testing::TestWithParam<RatioCase> {};

TEST_P(RatioReporterTest, ReportsTheTimesInTheUnitOfTheTable) {
    EXPECT_EQ(ratioLine(GetParam().batches), GetParam().expected);
}

const std::string prefix = "subject / yardstick: ";

INSTANTIATE_TEST_SUITE_P(
    Units, RatioReporterTest,
    testing::Values(RatioCase{"Milliseconds",
                              {{timed("BM_Subject", 1.16, benchmark::kMillisecond)},
                               {timed("BM_Yardstick", 0.8, benchmark::kMillisecond)}},
                              prefix + "1.16 ms against 0.80 ms, ratio 1.45x (aim: below 2x)\n"},
                    RatioCase{"Microseconds",
                              {{timed("BM_Yardstick", 250, benchmark::kMicrosecond),
                                timed("BM_Subject", 31, benchmark::kMicrosecond)}},
                              prefix + "31.00 us against 250.00 us, ratio 0.12x (aim: below 2x)\n"},
                    RatioCase{"YardstickInAnotherUnit",
                              {{timed("BM_Subject", 500, benchmark::kMicrosecond)},
                               {timed("BM_Yardstick", 2, benchmark::kMillisecond)}},
                              prefix +
                                  "500.00 us against 2000.00 us, ratio 0.25x (aim: below 2x)\n"},
                    RatioCase{"MedianOfRepetitions",
                              {{timed("BM_Subject", 1, benchmark::kMillisecond),
                                timed("BM_Subject", 9, benchmark::kMillisecond)},
                               {timed("BM_Subject", 5, benchmark::kMillisecond, "mean"),
                                timed("BM_Subject", 3, benchmark::kMillisecond, "median"),
                                timed("BM_Subject", 4, benchmark::kMillisecond, "stddev")},
                               {timed("BM_Yardstick", 1.5, benchmark::kMillisecond)}},
                              prefix + "3.00 ms against 1.50 ms, ratio 2.00x (aim: below 2x)\n"}),
    [](const testing::TestParamInfo<RatioCase> &tested) { return std::string(tested.param.name); });

TEST(RatioReporterAloneTest, SaysNothingWithoutTheYardstick) {
    EXPECT_EQ(ratioLine({{timed("BM_Subject", 1, benchmark::kMillisecond)}}), "");
}

} // namespace
