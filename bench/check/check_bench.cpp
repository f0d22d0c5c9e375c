// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `brindolo --check` timed as a whole process from start to exit: over a
// folder of 1,000 pictures of 300 x 300, against the least any check must
// do (read each file and decode it with libjpeg with the picture frame's
// settings, in one loop in this process); and over 100 phone photos of
// 4000 x 3000, against decoding each at its full size on one thread, as the
// check once did.

#include "support/bare_decode.h"
#include "support/photo_folder.h"
#include "support/program_run.h"
#include "support/ratio.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace brindolo::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kPictures = 1000;

// A thousand pictures of 300 x 300.
const std::vector<std::string>& pictures()
{
    static const std::vector<std::string> paths = [] {
        const std::string source = kBenchData + "/picture300x300.jpg";
        const std::string make = "bash " BRINDOLO_SOURCE_DIR "/bench/picture/make_picture.sh 300 300 " + source;
        if (std::system(make.c_str()) != 0)
            std::fprintf(stderr, "could not make %s\n", source.c_str());
        return linkedFolder(kBenchData + "/check-folder", "parola", source, kPictures);
    }();
    return paths;
}

void runCheck(benchmark::State& state, const std::string& folder)
{
    runProgramEachIteration(state, {BRINDOLO_PROGRAM, "--check", folder.c_str()});
}

void BM_CheckFolder(benchmark::State& state)
{
    runCheck(state, fs::path(pictures().front()).parent_path());
}

void BM_CheckPhotos(benchmark::State& state)
{
    runCheck(state, fs::path(phonePhotos().front()).parent_path());
}

void BM_BareDecodeLoop(benchmark::State& state)
{
    bareDecodeLoop(state, pictures());
}

void BM_FullSizePhotos(benchmark::State& state)
{
    bareDecodeLoop(state, phonePhotos());
}

// A few seconds each: one pass a repetition is plenty. The full-size
// decodes of the photos take half a minute a pass, so they have three.
BRINDOLO_WHOLE_PASS_GOAL(CheckFolder, BM_CheckFolder, BM_BareDecodeLoop, 5, 1.3);
BRINDOLO_WHOLE_PASS_GOAL(CheckPhotos, BM_CheckPhotos, BM_FullSizePhotos, 3, 0.3);

}  // namespace
}  // namespace brindolo::bench
