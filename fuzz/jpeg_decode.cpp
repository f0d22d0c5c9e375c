// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The decode step on arbitrary bytes. The first two bytes choose the decode
// properties (the scale included) and how progress is reported, the rest is
// the file: every combination of settings the picture control can be given
// meets every file, and its EXIF block is read for the orientation.

#include "picture/codec/jpeg_decode.h"

#include <cstdint>
#include <cstdlib>
#include <new>

using namespace brindolo;

namespace {

struct Stop {};

DecodeSettings settingsFrom(std::uint8_t a, std::uint8_t b)
{
    DecodeSettings settings;
    settings.numOfColors = static_cast<TNumOfColors>(a % 3);
    settings.dctMethod = static_cast<TDCTMethod>((a / 3) % 3);
    settings.dither = static_cast<TDither>((a / 9) % 3);
    settings.fastProcessing = b & 1;
    settings.grayScale = b & 2;
    settings.noSmooth = b & 4;
    settings.onePass = b & 8;
    // From 1/8 to 10/8: reductions, the full size and an enlargement.
    settings.scaleNum = 1 + a / 27;
    settings.scaleDenom = 8;
    // The EXIF block is read too; the rows decode as stored either way.
    settings.autoTransform = true;
    return settings;
}

// Rows must be fully written, pad bytes zero, and the header must describe
// what the rows hold: a picture that breaks this would show garbage.
void checkPicture(const DecodedPicture& picture)
{
    if (picture.empty())
        return;
    if (picture.width <= 0 || picture.height <= 0 || (picture.bitsPerPixel != 8 && picture.bitsPerPixel != 24)
        || picture.rowBytes % 4 != 0)
        std::abort();
    const std::size_t dataBytes = static_cast<std::size_t>(picture.width) * (picture.bitsPerPixel / 8);
    for (int y = 0; y < picture.height; ++y)
        for (std::size_t x = dataBytes; x < picture.rowBytes; ++x)
            if (picture.row(y)[x] != 0)
                std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const DecodeSettings settings = settingsFrom(data[0], data[1]);
    // The top bits of the second byte: the progress step, and whether the
    // progress handler raises, which must end the decode cleanly mid-rows.
    const int step = 1 + ((data[1] >> 4) & 7) * 14;
    const bool stopOnProgress = data[1] & 0x80;
    ProgressNotify progress = [stopOnProgress](int) {
        if (stopOnProgress)
            throw Stop{};
    };
    try {
        // Whatever the header says, the scale for a frame is one of libjpeg's,
        // and the orientation one of the eight.
        // Half the inputs take a frame's scale in place of their own.
        JpegReader reader({data + 2, size - 2}, settings);
        if (size % 2)
            reader.setFrame(64, 48);
        if (!validScale(reader.scale().num, reader.scale().denom) || reader.orientation() < Orientation::TopLeft
            || reader.orientation() > Orientation::LeftBottom)
            std::abort();
        checkPicture(reader.read(progress, step));
    } catch (const EJPEGException&) {
    } catch (const Stop&) {
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
