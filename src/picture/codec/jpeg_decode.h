// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The picture reader shared by the picture control, the worksheet, the folder
// check and the jpeg2bmp tool: JPEG bytes in memory, their header read once,
// then decoded by libjpeg with the control's decode properties into rows laid
// out as a Windows BMP image's. Depends on libjpeg, libexif and the standard
// library only.

#include "system/errors.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace brindolo {

// Every libjpeg error and warning, with libjpeg's own text.
class EJPEGException : public Exception {
public:
    using Exception::Exception;
};

enum class TNumOfColors : std::uint8_t { _16, _256, TrueColor };
enum class TDCTMethod : std::uint8_t { Integ, FastInteg, FloatingPoint };
// Declared in this order on purpose: FS and Ordered are not in libjpeg's order.
enum class TDither : std::uint8_t { None, FS, Ordered };

// The picture control's decode properties; the defaults are the control's.
struct DecodeSettings {
    TNumOfColors numOfColors = TNumOfColors::_256;
    TDCTMethod dctMethod = TDCTMethod::Integ;
    TDither dither = TDither::FS;
    bool fastProcessing = false;
    bool grayScale = false;
    bool noSmooth = false;
    bool onePass = false;
    // libjpeg's scale_num / scale_denom: the picture is decoded at that
    // fraction of its size, rounded up to the next eighth (1/8 .. 16/8),
    // in the DCT, which skips most of the work of a reduction.
    int scaleNum = 1;
    int scaleDenom = 1;
    // Whether the picture is to be shown as its EXIF Orientation tag says,
    // as a phone's gallery shows it. The rows are decoded as stored either
    // way; the decoded picture then says how to turn them.
    bool autoTransform = false;

    bool operator==(const DecodeSettings&) const = default;
};

// The scale fractions accepted: numerator and denominator from 1 to 16.
inline constexpr int kMaxScaleTerm = 16;
constexpr bool validScale(int num, int denom)
{
    return num >= 1 && num <= kMaxScaleTerm && denom >= 1 && denom <= kMaxScaleTerm;
}

// The percentage between two progress notifications unless one is chosen.
inline constexpr int kDefaultProgressStep = 10;

// Decoded rows waiting to become a bitmap: a hostile header can declare up to
// 65500 x 65500 pixels, so anything whose rows would need more is refused.
inline constexpr std::size_t kMaxDecodedBytes = std::size_t{512} << 20;
// libjpeg's own working memory (whole-picture buffers of progressive files
// and of the two-pass quantizer) is capped too.
inline constexpr long kMaxLibjpegMemory = 1L << 30;

// How the stored rows are turned to show the picture upright: the EXIF
// Orientation values 1 to 8, named by where the stored first row and first
// column end up.
enum class Orientation : std::uint8_t {
    TopLeft = 1,  // as stored
    TopRight,     // mirrored across
    BottomRight,  // upside down
    BottomLeft,   // mirrored top to bottom
    LeftTop,      // transposed
    RightTop,     // turned a quarter clockwise
    RightBottom,  // transposed the other way
    LeftBottom,   // turned a quarter anticlockwise
};
// The turns that swap width and height.
constexpr bool swapsSides(Orientation o)
{
    return o >= Orientation::LeftTop;
}

// A decoded picture in the layout of a bottom-up Windows BMP image, except
// that the rows are kept top-down so that they can back a bitmap directly.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;          // 8 or 24; 0 for the empty picture
    std::size_t rowBytes = 0;      // width x bytes per pixel, padded to 4 bytes
    // 256 entries of blue, green, red, 0; all zero for 24-bit pictures.
    std::array<std::uint8_t, 1024> colourTable{};
    std::uint32_t xPixelsPerMetre = 0;
    std::uint32_t yPixelsPerMetre = 0;
    // How whoever shows the rows turns them: TopLeft unless the settings
    // asked for the picture's own orientation.
    Orientation orientation = Orientation::TopLeft;
    // height rows of rowBytes each, top row first, pad bytes zero.
    std::unique_ptr<std::uint8_t[]> rows;

    bool empty() const { return !rows; }
    const std::uint8_t* row(int y) const { return rows.get() + rowBytes * static_cast<std::size_t>(y); }
    std::size_t pixelBytes() const { return rowBytes * static_cast<std::size_t>(height); }
};

// Called after a row whenever progress is to be reported, with the whole
// percentage done; it may throw.
using ProgressNotify = std::function<void(int percent)>;

struct JpegSize {
    int width = 0;
    int height = 0;
};

struct DecodeScale {
    int num = 1;
    int denom = 1;
    bool operator==(const DecodeScale&) const = default;
};

struct JpegDecompressor;

// One picture read as QImageReader reads one: the header once, on
// construction; then what it tells, the scale chosen for a frame, and one
// decode. The bytes must outlive the reader.
class JpegReader {
public:
    JpegReader(std::span<const std::uint8_t> bytes, const DecodeSettings& settings);
    ~JpegReader();
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;

    // The picture's size as stored; 0 x 0 for empty bytes and when the
    // header cannot be read, which read() then reports.
    JpegSize size() const { return size_; }
    // TopLeft unless the settings ask for autoTransform; a damaged or absent
    // tag is TopLeft too, never an error.
    Orientation orientation() const { return orientation_; }

    // Chooses the scale for showing the picture, turned as orientation()
    // says, in a frame of frameWidth x frameHeight pixels: the smallest
    // eighth (1/8 .. 7/8) whose decode still covers the frame in both
    // directions and is larger than it exactly when the full-size picture is,
    // so that whoever fits the picture to the frame decides as for the full
    // size; 1/1 when no eighth does (the picture fits the frame, or is
    // narrower or lower than it), for an empty frame, and when the header
    // cannot be read.
    void setFrame(int frameWidth, int frameHeight);
    // The settings' own scale until a frame is set.
    DecodeScale scale() const { return scale_; }

    // Decodes, once per reader. Empty bytes give the empty picture. Every
    // failure raises EJPEGException (std::bad_alloc when memory runs out).
    // progressStep is the percentage between two notifications; a step
    // outside 1..100 never notifies.
    DecodedPicture read(const ProgressNotify& progress = {}, int progressStep = kDefaultProgressStep);

private:
    std::unique_ptr<JpegDecompressor> d_;
    bool headerRead_ = false;
    JpegSize size_;
    Orientation orientation_ = Orientation::TopLeft;
    DecodeScale scale_;
};

// A reader's decode with the settings' own scale.
DecodedPicture decodeJpeg(std::span<const std::uint8_t> bytes, const DecodeSettings& settings,
                          const ProgressNotify& progress = {}, int progressStep = kDefaultProgressStep);

// Decides after each row whether progress is reported: when the whole
// percentage done is new and an exact multiple of the step.
class ProgressMeter {
public:
    ProgressMeter(int step, unsigned height) : step_(step), height_(height) {}
    bool rowDone(unsigned scanline);
    // The percentage last reported, 0 before the first report.
    int lastReported() const { return lastReported_; }

private:
    int step_;
    unsigned height_;
    int lastReported_ = 0;
};

}  // namespace brindolo
