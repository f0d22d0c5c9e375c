// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The decoded rows handed to the picture as a bitmap without copying them:
// QImage rows are padded to 4 bytes like BMP rows, so the decoder's buffer
// backs the QImage directly (8-bit indexed with the BMP colour table, or
// 24-bit blue, green, red) unless they must be turned to be shown.

#include "picture/codec/jpeg_decode.h"

#include <QImage>

namespace brindolo {

// Takes the rows over and turns them as the picture's orientation says; the
// empty picture gives a null QImage.
QImage toBitmap(DecodedPicture&& picture);

}  // namespace brindolo
