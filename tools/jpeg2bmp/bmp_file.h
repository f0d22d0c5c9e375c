// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writing a decoded picture as a BMP file.

#include "picture/codec/jpeg_decode.h"

#include <string>

namespace brindolo::jpeg2bmp {

// Writes the BMP image (nothing for the empty picture) to path by the rules
// of system/output_file.h: "-" for standard output, a device or pipe written
// straight, a file renamed into place only when whole. Raises
// brindolo::Exception with the system's reason.
void writeBmpFile(const DecodedPicture& picture, const std::string& path);

}  // namespace brindolo::jpeg2bmp
