// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A speed goal is a ratio between two benchmarks of the same run: the subject
// and its baseline. Declare goals at namespace scope:
//   BRINDOLO_GOAL(HoverCached300, "BM_Hover/300", "BM_Decode/300", 0.1);
// The shared main runs every benchmark, then prints one line per goal:
//   NAME: RATIOx (goal <= GOALx)

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace brindolo::bench {

struct Goal {
    std::string name;
    std::string subject;
    std::string baseline;
    double goal;
};

std::vector<Goal>& goals();

struct GoalRegistration {
    GoalRegistration(std::string name, std::string subject, std::string baseline, double goal)
    {
        goals().push_back({std::move(name), std::move(subject), std::move(baseline), goal});
    }
};

// Prints a goal line for a ratio measured some other way (memory, processes).
void printGoal(const std::string& name, double ratio, double goal);

// The statistic, for a benchmark's ComputeStatistics, that makes its fastest
// repetition stand for it. Both sides of a goal must use it or neither.
inline constexpr const char* kFastest = "fastest";
double fastestOf(const std::vector<double>& times);

}  // namespace brindolo::bench

#define BRINDOLO_GOAL(id, subject, baseline, goal) \
    static ::brindolo::bench::GoalRegistration brindolo_goal_##id(#id, subject, baseline, goal)

// Registers the two benchmark functions, the subject first, each timed in
// wall time as whole passes of one pass a repetition (runs of seconds, where
// more passes add nothing), and the goal between them. repeats is a literal
// number: it is part of the names the goal reads.
#define BRINDOLO_WHOLE_PASS_GOAL(id, subject, baseline, repeats, goal)                                      \
    BENCHMARK(subject)->Iterations(1)->Repetitions(repeats)->UseRealTime()->Unit(benchmark::kMillisecond); \
    BENCHMARK(baseline)->Iterations(1)->Repetitions(repeats)->UseRealTime()->Unit(benchmark::kMillisecond); \
    BRINDOLO_GOAL(id, #subject "/iterations:1/repeats:" #repeats "/real_time",                              \
                  #baseline "/iterations:1/repeats:" #repeats "/real_time", goal)
