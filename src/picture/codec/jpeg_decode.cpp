// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/codec/jpeg_decode.h"

#include "picture/codec/raising_errors.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <string>
#include <utility>

namespace brindolo {

namespace {

// One decompressor, released on every way out of the decode. The phases
// below each hold one setjmp boundary and only trivially destructible
// locals, so a longjmp out of libjpeg skips no C++ destructor; the exception
// is thrown afterwards, from ordinary C++ frames.
struct Decompressor {
    jpeg_decompress_struct cinfo{};
    RaisingErrorManager errors{};

    Decompressor() { installRaisingErrorManager(cinfo, errors); }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    [[noreturn]] void raise() const { throw EJPEGException(std::string(errors.message)); }
};

// Later entries overwrite what earlier ones set, as the properties promise.
void applySettings(jpeg_decompress_struct& cinfo, const DecodeSettings& settings)
{
    switch (settings.numOfColors) {
    case TNumOfColors::_16:
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 16;
        break;
    case TNumOfColors::_256:
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 256;
        break;
    case TNumOfColors::TrueColor:
        break;
    }
    switch (settings.dctMethod) {
    case TDCTMethod::Integ: cinfo.dct_method = JDCT_ISLOW; break;
    case TDCTMethod::FastInteg: cinfo.dct_method = JDCT_IFAST; break;
    case TDCTMethod::FloatingPoint: cinfo.dct_method = JDCT_FLOAT; break;
    }
    switch (settings.dither) {
    case TDither::None: cinfo.dither_mode = JDITHER_NONE; break;
    case TDither::FS: cinfo.dither_mode = JDITHER_FS; break;
    case TDither::Ordered: cinfo.dither_mode = JDITHER_ORDERED; break;
    }
    if (settings.fastProcessing) {
        cinfo.two_pass_quantize = FALSE;
        cinfo.dither_mode = JDITHER_ORDERED;
        if (!cinfo.quantize_colors)
            cinfo.desired_number_of_colors = 216;
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
    }
    if (settings.grayScale)
        cinfo.out_color_space = JCS_GRAYSCALE;
    if (settings.noSmooth)
        cinfo.do_fancy_upsampling = FALSE;
    if (settings.onePass)
        cinfo.two_pass_quantize = FALSE;
    // Out of range, libjpeg would compute with a zero or overflowing
    // fraction: such a scale leaves the full size.
    if (validScale(settings.scaleNum, settings.scaleDenom)) {
        cinfo.scale_num = static_cast<unsigned>(settings.scaleNum);
        cinfo.scale_denom = static_cast<unsigned>(settings.scaleDenom);
    }
}

// Returns false when libjpeg raised; the message is in d.errors.
bool readHeader(Decompressor& d, std::span<const std::uint8_t> bytes, const DecodeSettings& settings)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    if (setjmp(d.errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
    jpeg_set_marker_processor(&cinfo, JPEG_COM, skipComment);
    // libjpeg's own memory source already issues "Premature end of JPEG
    // file" when asked for bytes past the end, also when skipping.
    jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    applySettings(cinfo, settings);
    if (cinfo.out_color_space != JCS_GRAYSCALE && cinfo.out_color_space != JCS_RGB)
        raiseBmpColourSpace(&cinfo);
    // BMP keeps full colour as blue, green, red: let libjpeg write that order
    // straight into the rows instead of swapping every pixel afterwards.
    if (cinfo.out_color_space == JCS_RGB && !cinfo.quantize_colors)
        cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_calc_output_dimensions(&cinfo);
    return true;
}

bool startDecompress(Decompressor& d)
{
    if (setjmp(d.errors.jump))
        return false;
    jpeg_start_decompress(&d.cinfo);
    return true;
}

// One row per call, straight into its place in the picture. The progress
// notification runs between libjpeg calls, so an exception it throws unwinds
// only through C++ frames.
bool readRows(Decompressor& d, DecodedPicture& picture, ProgressMeter& meter, const ProgressNotify& progress)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    if (setjmp(d.errors.jump))
        return false;
    const std::size_t dataBytes = std::size_t{cinfo.output_width} * static_cast<std::size_t>(cinfo.output_components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = picture.rows.get() + picture.rowBytes * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
        std::memset(row + dataBytes, 0, picture.rowBytes - dataBytes);
        if (meter.rowDone(cinfo.output_scanline) && progress)
            progress(meter.lastReported());
    }
    return true;
}

void fillColourTable(const jpeg_decompress_struct& cinfo, DecodedPicture& picture)
{
    if (picture.bitsPerPixel != 8)
        return;
    std::uint8_t* entry = picture.colourTable.data();
    if (!cinfo.colormap) {
        for (int i = 0; i < 256; ++i, entry += 4)
            entry[0] = entry[1] = entry[2] = static_cast<std::uint8_t>(i);
        return;
    }
    const int colours = std::min(cinfo.actual_number_of_colors, 256);
    const bool rgb = cinfo.out_color_components == 3;
    for (int i = 0; i < colours; ++i, entry += 4) {
        entry[0] = cinfo.colormap[rgb ? 2 : 0][i];
        entry[1] = cinfo.colormap[rgb ? 1 : 0][i];
        entry[2] = cinfo.colormap[0][i];
    }
}

// The colour map lives in libjpeg's image pool: it is read before finishing.
bool finishDecompress(Decompressor& d, DecodedPicture& picture)
{
    if (setjmp(d.errors.jump))
        return false;
    fillColourTable(d.cinfo, picture);
    jpeg_finish_decompress(&d.cinfo);
    return true;
}

// Where each field of the BMP headers lies: the 14-byte file header, then
// the 40-byte info header, then the colour table. Every field is
// little-endian.
namespace bmp {
// BITMAPFILEHEADER
constexpr std::size_t bfType = 0;        // "BM"
constexpr std::size_t bfSize = 2;        // the whole file
constexpr std::size_t bfReserved1 = 6;
constexpr std::size_t bfReserved2 = 8;
constexpr std::size_t bfOffBits = 10;    // where the pixel rows start
// BITMAPINFOHEADER
constexpr std::size_t biSize = 14;       // the info header's own size
constexpr std::size_t biWidth = 18;
constexpr std::size_t biHeight = 22;     // positive: the bottom row comes first
constexpr std::size_t biPlanes = 26;
constexpr std::size_t biBitCount = 28;
constexpr std::size_t biCompression = 30;
constexpr std::size_t biSizeImage = 34;  // may be 0 for uncompressed rows
constexpr std::size_t biXPelsPerMeter = 38;
constexpr std::size_t biYPelsPerMeter = 42;
constexpr std::size_t biClrUsed = 46;
constexpr std::size_t biClrImportant = 50;  // 0: every colour
constexpr std::size_t colourTable = 54;

constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
}  // namespace bmp

void put16(std::uint8_t* at, std::uint32_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::uint8_t* at, std::uint32_t value)
{
    put16(at, value);
    put16(at + 2, value >> 16);
}

// The candidate sizes come from libjpeg itself, so they are the sizes the
// decode will have, rounding included.
bool coveringEighth(Decompressor& d, int frameWidth, int frameHeight, int& eighth)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    if (setjmp(d.errors.jump))
        return false;
    const auto outputAt = [&](int num) {
        cinfo.scale_num = static_cast<unsigned>(num);
        cinfo.scale_denom = 8;
        jpeg_calc_output_dimensions(&cinfo);
        return std::pair{static_cast<long>(cinfo.output_width), static_cast<long>(cinfo.output_height)};
    };
    const auto larger = [&](std::pair<long, long> size) { return size.first > frameWidth || size.second > frameHeight; };
    const bool fullLarger = larger(outputAt(8));
    eighth = 8;
    for (int num = 1; num < 8 && fullLarger; ++num) {
        const auto size = outputAt(num);
        if (size.first >= frameWidth && size.second >= frameHeight && larger(size)) {
            eighth = num;
            break;
        }
    }
    return true;
}

}  // namespace

bool ProgressMeter::rowDone(unsigned scanline)
{
    const int percent = static_cast<int>(std::uint64_t{scanline} * 100 / height_);
    if (step_ < 1 || percent == lastReported_ || percent % step_ != 0)
        return false;
    lastReported_ = percent;
    return true;
}

DecodedPicture decodeJpeg(std::span<const std::uint8_t> bytes, const DecodeSettings& settings,
                          const ProgressNotify& progress, int progressStep)
{
    DecodedPicture picture;
    if (bytes.empty())
        return picture;

    Decompressor d;
    if (!readHeader(d, bytes, settings))
        d.raise();
    const jpeg_decompress_struct& cinfo = d.cinfo;
    picture.width = static_cast<int>(cinfo.output_width);
    picture.height = static_cast<int>(cinfo.output_height);
    picture.bitsPerPixel = cinfo.output_components == 3 ? 24 : 8;
    const std::size_t dataBytes = std::size_t{cinfo.output_width} * static_cast<std::size_t>(cinfo.output_components);
    picture.rowBytes = (dataBytes + 3) & ~std::size_t{3};
    if (picture.pixelBytes() > kMaxDecodedBytes)
        throw EJPEGException("Picture too large: " + std::to_string(picture.width) + " x "
                             + std::to_string(picture.height));
    if (cinfo.density_unit == 2) {
        picture.xPixelsPerMetre = std::uint32_t{cinfo.X_density} * 100;
        picture.yPixelsPerMetre = std::uint32_t{cinfo.Y_density} * 100;
    }
    picture.rows = std::make_unique_for_overwrite<std::uint8_t[]>(std::max<std::size_t>(picture.pixelBytes(), 1));

    if (!startDecompress(d))
        d.raise();
    ProgressMeter meter(progressStep, cinfo.output_height);
    if (!readRows(d, picture, meter, progress))
        d.raise();
    if (!finishDecompress(d, picture))
        d.raise();
    return picture;
}

JpegSize jpegSize(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        return {};
    Decompressor d;
    if (!readHeader(d, bytes, DecodeSettings{}))
        return {};
    return {static_cast<int>(d.cinfo.image_width), static_cast<int>(d.cinfo.image_height)};
}

DecodeScale coveringScale(std::span<const std::uint8_t> bytes, const DecodeSettings& settings, int frameWidth,
                          int frameHeight)
{
    if (bytes.empty() || frameWidth < 1 || frameHeight < 1)
        return {};
    Decompressor d;
    int eighth = 8;
    if (!readHeader(d, bytes, settings) || !coveringEighth(d, frameWidth, frameHeight, eighth) || eighth == 8)
        return {};
    return {eighth, 8};
}

std::vector<std::uint8_t> DecodedPicture::bmpHeader() const
{
    if (empty())
        return {};
    std::vector<std::uint8_t> header(headerBytes(), 0);
    std::uint8_t* h = header.data();
    h[bmp::bfType] = 'B';
    h[bmp::bfType + 1] = 'M';
    put32(h + bmp::bfSize, static_cast<std::uint32_t>(headerBytes() + pixelBytes()));
    put16(h + bmp::bfReserved1, 0);
    put16(h + bmp::bfReserved2, 0);
    put32(h + bmp::bfOffBits, static_cast<std::uint32_t>(headerBytes()));
    put32(h + bmp::biSize, bmp::kInfoHeaderBytes);
    put32(h + bmp::biWidth, static_cast<std::uint32_t>(width));
    put32(h + bmp::biHeight, static_cast<std::uint32_t>(height));
    put16(h + bmp::biPlanes, 1);
    put16(h + bmp::biBitCount, static_cast<std::uint32_t>(bitsPerPixel));
    put32(h + bmp::biCompression, bmp::kUncompressed);
    put32(h + bmp::biSizeImage, 0);
    put32(h + bmp::biXPelsPerMeter, xPixelsPerMetre);
    put32(h + bmp::biYPelsPerMeter, yPixelsPerMetre);
    put32(h + bmp::biClrUsed, static_cast<std::uint32_t>(colourTableEntries()));
    put32(h + bmp::biClrImportant, 0);
    if (colourTableEntries() > 0)
        std::memcpy(h + bmp::colourTable, colourTable.data(), colourTable.size());
    return header;
}

}  // namespace brindolo
