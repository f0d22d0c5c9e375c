// The picture control's decode step against a bare libjpeg decode with the
// same parameters, and assigning the same file again through the decode
// cache against the uncached decode step.

#include "picture/decodecache.h"
#include "picture/jpgimg.h"
#include "support/ratio.h"

#include <benchmark/benchmark.h>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <jpeglib.h>
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
    image.setCacheLimit(DecodeCache::defaultLimit);
}

struct BareErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// libjpeg alone: the main window's parameters, rows into a buffer allocated
// once, nothing kept.
void BM_BareLibjpeg(benchmark::State& state)
{
    const std::vector<unsigned char> bytes = fileBytes(picturePath(static_cast<int>(state.range(0))));
    std::vector<unsigned char> rows;
    for (auto _ : state) {
        jpeg_decompress_struct cinfo{};
        BareErrors errors{};
        cinfo.err = jpeg_std_error(&errors.pub);
        errors.pub.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<BareErrors*>(c->err)->jump, 1); };
        if (setjmp(errors.jump)) {
            jpeg_destroy_decompress(&cinfo);
            state.SkipWithError("libjpeg failed");
            break;
        }
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, bytes.data(), bytes.size());
        jpeg_read_header(&cinfo, TRUE);
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 256;
        cinfo.dct_method = JDCT_ISLOW;
        cinfo.dither_mode = JDITHER_FS;
        jpeg_calc_output_dimensions(&cinfo);
        const std::size_t stride = (cinfo.output_width * cinfo.output_components + 3) & ~3u;
        if (rows.size() < stride * cinfo.output_height)
            rows.resize(stride * cinfo.output_height);
        jpeg_start_decompress(&cinfo);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = rows.data() + stride * cinfo.output_scanline;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
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
