// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writing a decoded picture as a BMP file that appears only when complete.

#include "picture/codec/jpeg_decode.h"

#include <string>

namespace brindolo::jpeg2bmp {

// Writes the BMP image (nothing for the empty picture) to a temporary file
// beside path and renames it into place, so a failure never leaves a partial
// file. Raises brindolo::Exception with the system's reason.
void writeBmpFile(const DecodedPicture& picture, const std::string& path);

}  // namespace brindolo::jpeg2bmp
