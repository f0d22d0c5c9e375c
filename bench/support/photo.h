// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <cstdint>

namespace brindolo::bench {

// A picture with the make-up of a photograph: smooth colour gradients with
// fine grain over them, so that the decoder and the colour reduction have
// real work and the file has a photograph's size.
inline QImage photoLikePicture(int width, int height, std::uint32_t grain = 12345)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            grain = grain * 1664525u + 1013904223u;
            const int noise = static_cast<int>(grain >> 28) - 8;
            row[x] = qRgb(qBound(0, x * 255 / width + noise, 255), qBound(0, y * 255 / height + noise, 255),
                          qBound(0, (x + y) * 255 / (width + height) - noise, 255));
        }
    }
    return image;
}

}  // namespace brindolo::bench
