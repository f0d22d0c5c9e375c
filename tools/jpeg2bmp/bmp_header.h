// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Windows BMP headers of a decoded picture, kept apart from decoding as
// libjpeg-turbo keeps its BMP writer apart from its decoder.

#include "picture/codec/jpeg_decode.h"

#include <cstdint>
#include <vector>

namespace brindolo::jpeg2bmp {

// The file header, the info header and the colour table (nothing for the empty picture); the pixel rows follow them
// from the bottom row up.
std::vector<std::uint8_t> bmpHeader(const DecodedPicture& picture);

}  // namespace brindolo::jpeg2bmp
