// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `brindolo --add` of 100 phone photos of 4000 x 3000, timed as a whole
// process from start to exit, each photo saved as a word's picture of at
// most 1600 pixels; against decoding the same photos at full size on one
// thread.

#include "support/bare_decode.h"
#include "support/photo_folder.h"
#include "support/program_run.h"
#include "support/ratio.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace brindolo::bench {
namespace {

void BM_AddPhotos(benchmark::State& state)
{
    const std::vector<std::string>& photos = phonePhotos();
    const std::string list = kBenchData + "/add-list";
    std::vector<const char*> arguments{BRINDOLO_PROGRAM, "--add", "--replace", "--pictures", list.c_str()};
    for (const std::string& photo : photos)
        arguments.push_back(photo.c_str());
    std::filesystem::create_directories(list);
    runProgramEachIteration(state, arguments);
}

void BM_FullSizePhotos(benchmark::State& state)
{
    bareDecodeLoop(state, phonePhotos());
}

BRINDOLO_WHOLE_PASS_GOAL(AddPhotos100, BM_AddPhotos, BM_FullSizePhotos, 3, 0.3);

}  // namespace
}  // namespace brindolo::bench
