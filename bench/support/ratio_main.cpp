#include "support/ratio.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>

namespace brindolo::bench {

std::vector<Goal>& goals()
{
    static std::vector<Goal> all;
    return all;
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
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
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
    for (const auto& goal : brindolo::bench::goals()) {
        const auto subject = reporter.times.find(goal.subject);
        const auto baseline = reporter.times.find(goal.baseline);
        if (subject == reporter.times.end() || baseline == reporter.times.end() || baseline->second <= 0) {
            std::printf("%s: not measured (goal <= %gx)\n", goal.name.c_str(), goal.goal);
            continue;
        }
        brindolo::bench::printGoal(goal.name, subject->second / baseline->second, goal.goal);
    }
    benchmark::Shutdown();
    return 0;
}
