// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A command of the program timed as a whole process, from start to exit.

#include <benchmark/benchmark.h>
#include <vector>

namespace brindolo::bench {

// Runs the program once an iteration with arguments (argv[0] first, no
// terminating null), its output thrown away; a run that fails ends the
// benchmark with an error naming the arguments' second, the command.
void runProgramEachIteration(benchmark::State& state, const std::vector<const char*>& arguments);

}  // namespace brindolo::bench
