// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bmp_header.h"

#include <cstring>

namespace brindolo::jpeg2bmp {

namespace {

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

// 256 entries for an 8-bit picture, none for a 24-bit one.
int colourTableEntries(const DecodedPicture& picture)
{
    return picture.bitsPerPixel == 8 ? 256 : 0;
}

std::size_t bmpHeaderBytes(const DecodedPicture& picture)
{
    return bmp::colourTable + 4 * static_cast<std::size_t>(colourTableEntries(picture));
}

}  // namespace

std::vector<std::uint8_t> bmpHeader(const DecodedPicture& picture)
{
    if (picture.empty())
        return {};
    std::vector<std::uint8_t> header(bmpHeaderBytes(picture), 0);
    std::uint8_t* h = header.data();
    h[bmp::bfType] = 'B';
    h[bmp::bfType + 1] = 'M';
    put32(h + bmp::bfSize, static_cast<std::uint32_t>(bmpHeaderBytes(picture) + picture.pixelBytes()));
    put16(h + bmp::bfReserved1, 0);
    put16(h + bmp::bfReserved2, 0);
    put32(h + bmp::bfOffBits, static_cast<std::uint32_t>(bmpHeaderBytes(picture)));
    put32(h + bmp::biSize, bmp::kInfoHeaderBytes);
    put32(h + bmp::biWidth, static_cast<std::uint32_t>(picture.width));
    put32(h + bmp::biHeight, static_cast<std::uint32_t>(picture.height));
    put16(h + bmp::biPlanes, 1);
    put16(h + bmp::biBitCount, static_cast<std::uint32_t>(picture.bitsPerPixel));
    put32(h + bmp::biCompression, bmp::kUncompressed);
    put32(h + bmp::biSizeImage, 0);
    put32(h + bmp::biXPelsPerMeter, picture.xPixelsPerMetre);
    put32(h + bmp::biYPelsPerMeter, picture.yPixelsPerMetre);
    put32(h + bmp::biClrUsed, static_cast<std::uint32_t>(colourTableEntries(picture)));
    put32(h + bmp::biClrImportant, 0);
    if (colourTableEntries(picture) > 0)
        std::memcpy(h + bmp::colourTable, picture.colourTable.data(), picture.colourTable.size());
    return header;
}

}  // namespace brindolo::jpeg2bmp
