// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/ratio.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace brindolo::bench {

std::vector<Goal>& goals()
{
    static std::vector<Goal> all;
    return all;
}

double fastestOf(const std::vector<double>& times)
{
    return times.empty() ? 0.0 : *std::min_element(times.begin(), times.end());
}

void printGoal(const std::string& name, double ratio, double goal)
{
    std::printf("%s: %.3fx (goal <= %gx)\n", name.c_str(), ratio, goal);
    std::fflush(stdout);
}

namespace {

// Keeps the console output and remembers each benchmark's time per iteration.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // No colours: the goal lines that follow must start at the line's start.
    RecordingReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            // With repetitions the median stands for the benchmark: one slow
            // repetition on a busy machine then cannot swing a ratio. A
            // benchmark that also computes the fastest repetition
            // (kFastest) stands by that instead.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == kFastest)
                fastest[run.run_name.str()] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.str()] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Iteration)
                singles[run.run_name.str()] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> times() const
    {
        std::map<std::string, double> all = singles;
        for (const auto& [name, time] : medians)
            all[name] = time;
        for (const auto& [name, time] : fastest)
            all[name] = time;
        return all;
    }

private:
    std::map<std::string, double> singles;
    std::map<std::string, double> medians;
    std::map<std::string, double> fastest;
};

}  // namespace
}  // namespace brindolo::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    brindolo::bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto times = reporter.times();
    for (const auto& goal : brindolo::bench::goals()) {
        const auto subject = times.find(goal.subject);
        const auto baseline = times.find(goal.baseline);
        if (subject == times.end() || baseline == times.end() || baseline->second <= 0) {
            std::printf("%s: not measured (goal <= %gx)\n", goal.name.c_str(), goal.goal);
            continue;
        }
        brindolo::bench::printGoal(goal.name, subject->second / baseline->second, goal.goal);
    }
    benchmark::Shutdown();
    return 0;
}
