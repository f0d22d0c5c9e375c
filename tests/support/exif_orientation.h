// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A JPEG file given an EXIF block with one Orientation entry, as a phone
// writes it, or damaged in the ways files are found damaged.

#include <cstdint>
#include <vector>

namespace brindolo {

struct ExifOrientationTag {
    int value = 1;
    bool littleEndian = false;
    int type = 3;       // SHORT, as the standard has it; 4 is LONG
    int cutAfter = 0;   // keeps only that many bytes of the TIFF block; 0 keeps all
};

// jpeg with the EXIF block placed right after its start-of-image marker.
inline std::vector<std::uint8_t> withExifOrientation(const std::vector<std::uint8_t>& jpeg, ExifOrientationTag tag)
{
    std::vector<std::uint8_t> tiff;
    const auto put = [&](unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            const int shift = 8 * (tag.littleEndian ? i : bytes - 1 - i);
            tiff.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    };
    tiff.push_back(tag.littleEndian ? 'I' : 'M');
    tiff.push_back(tag.littleEndian ? 'I' : 'M');
    put(42, 2);
    put(8, 4);       // the first directory follows the header
    put(1, 2);       // one entry
    put(0x0112, 2);  // Orientation
    put(static_cast<unsigned>(tag.type), 2);
    put(1, 4);       // one value, held in the entry itself
    put(static_cast<unsigned>(tag.value), 2);
    put(0, 2);
    put(0, 4);  // no next directory
    if (tag.cutAfter > 0)
        tiff.resize(static_cast<std::size_t>(tag.cutAfter));

    const std::size_t length = 2 + 6 + tiff.size();
    // Byte by byte: GCC 12 warns falsely about the range inserts.
    std::vector<std::uint8_t> file{jpeg.at(0), jpeg.at(1), 0xFF, 0xE1, static_cast<std::uint8_t>(length >> 8),
                                   static_cast<std::uint8_t>(length), 'E', 'x', 'i', 'f', 0, 0};
    for (const std::uint8_t byte : tiff)
        file.push_back(byte);
    for (std::size_t i = 2; i < jpeg.size(); ++i)
        file.push_back(jpeg[i]);
    return file;
}

}  // namespace brindolo
