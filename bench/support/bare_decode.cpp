// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/bare_decode.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <jpeglib.h>

namespace brindolo::bench {

namespace {

struct BareErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

}  // namespace

bool bareLibjpegDecode(const std::vector<unsigned char>& bytes, std::vector<unsigned char>& rows)
{
    jpeg_decompress_struct cinfo{};
    BareErrors errors{};
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<BareErrors*>(c->err)->jump, 1); };
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
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
    return true;
}

void bareDecodeLoop(benchmark::State& state, const std::vector<std::string>& paths)
{
    std::vector<unsigned char> rows;
    for (auto _ : state) {
        for (const std::string& path : paths) {
            std::ifstream in(path, std::ios::binary);
            const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
            if (!bareLibjpegDecode(bytes, rows)) {
                state.SkipWithError("libjpeg failed");
                return;
            }
            benchmark::DoNotOptimize(rows.data());
        }
    }
}

}  // namespace brindolo::bench
