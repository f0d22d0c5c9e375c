// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture control's decode step against a bare libjpeg decode with the
// same parameters, and assigning the same file again through the decode
// cache against the uncached decode step.

#include "picture/decode_cache.h"
#include "picture/jpgimg.h"
#include "support/bare_decode.h"
#include "support/ratio.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace brindolo::bench {
namespace {

// 300 stands for the game's usual picture, square like 320.
const std::map<int, std::pair<int, int>> sizes = {
    {300, {300, 300}}, {320, {320, 320}}, {1024, {1024, 768}}, {4000, {4000, 3000}}};

std::string picturePath(int size)
{
    const auto [width, height] = sizes.at(size);
    const std::string path = std::string(BRINDOLO_BINARY_DIR) + "/bench-data/picture" + std::to_string(width) + "x"
        + std::to_string(height) + ".jpg";
    const std::string make = "bash " BRINDOLO_SOURCE_DIR "/bench/picture/make_picture.sh " + std::to_string(width)
        + " " + std::to_string(height) + " " + path;
    if (std::system(make.c_str()) != 0)
        std::fprintf(stderr, "could not make %s\n", path.c_str());
    return path;
}

std::vector<unsigned char> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void BM_DecodeStep(benchmark::State& state)
{
    TJPEGImage image(nullptr);
    image.setCacheLimit(0);
    image.setFileNamePath(picturePath(static_cast<int>(state.range(0))));
    for (auto _ : state)
        image.setDither(TDither::FS);  // a decode property: one decode step
    image.setCacheLimit(DecodeCache::kDefaultLimit);
}

// libjpeg alone with the same parameters.
void BM_BareLibjpeg(benchmark::State& state)
{
    const std::vector<unsigned char> bytes = fileBytes(picturePath(static_cast<int>(state.range(0))));
    std::vector<unsigned char> rows;
    for (auto _ : state) {
        if (!bareLibjpegDecode(bytes, rows)) {
            state.SkipWithError("libjpeg failed");
            break;
        }
        benchmark::DoNotOptimize(rows.data());
    }
}

// What a mouse movement over a slot costs the control: the file is opened and
// read again, found in the cache, and a repaint is requested.
void BM_HoverCacheHit(benchmark::State& state)
{
    DecodeCache::shared().clear();
    TJPEGImage image(nullptr);
    const std::string path = picturePath(static_cast<int>(state.range(0)));
    image.setFileNamePath(path);
    for (auto _ : state)
        image.setFileNamePath(path);
}

BENCHMARK(BM_DecodeStep)->Arg(300)->Arg(320)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareLibjpeg)->Arg(320)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeStep)->Arg(4000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BareLibjpeg)->Arg(4000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_HoverCacheHit)->Arg(300)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brindolo::bench

BRINDOLO_GOAL(DecodeStep320, "BM_DecodeStep/320", "BM_BareLibjpeg/320", 1.10);
BRINDOLO_GOAL(DecodeStep1024, "BM_DecodeStep/1024", "BM_BareLibjpeg/1024", 1.10);
BRINDOLO_GOAL(DecodeStep4000, "BM_DecodeStep/4000/min_time:2.000", "BM_BareLibjpeg/4000/min_time:2.000", 1.10);
BRINDOLO_GOAL(HoverCacheHit300, "BM_HoverCacheHit/300", "BM_DecodeStep/300", 0.1);
BRINDOLO_GOAL(HoverCacheHit4000, "BM_HoverCacheHit/4000", "BM_DecodeStep/4000/min_time:2.000", 0.01);
