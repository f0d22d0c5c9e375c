// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `brindolo --add` of 100 phone photos of 4000 x 3000, timed as a whole
// process from start to exit, each photo saved as a word's picture of at
// most 1600 pixels; against decoding the same photos at full size on one
// thread.

#include "support/bare_decode.h"
#include "support/photo_folder.h"
#include "support/ratio.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brindolo::bench {
namespace {

void BM_AddPhotos(benchmark::State& state)
{
    const std::vector<std::string>& photos = phonePhotos();
    const std::string list = kBenchData + "/add-list";
    std::vector<const char*> arguments{BRINDOLO_PROGRAM, "--add", "--replace", "--pictures", list.c_str()};
    for (const std::string& photo : photos)
        arguments.push_back(photo.c_str());
    arguments.push_back(nullptr);
    std::filesystem::create_directories(list);
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            execv(BRINDOLO_PROGRAM, const_cast<char* const*>(arguments.data()));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("brindolo --add failed");
            break;
        }
    }
}

void BM_FullSizePhotos(benchmark::State& state)
{
    bareDecodeLoop(state, phonePhotos());
}

BENCHMARK(BM_AddPhotos)->Iterations(1)->Repetitions(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullSizePhotos)->Iterations(1)->Repetitions(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brindolo::bench

BRINDOLO_GOAL(AddPhotos100, "BM_AddPhotos/iterations:1/repeats:3/real_time",
              "BM_FullSizePhotos/iterations:1/repeats:3/real_time", 0.3);
