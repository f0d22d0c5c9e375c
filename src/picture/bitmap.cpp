// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/bitmap.h"

#include <QList>

namespace brindolo {

namespace {
void freeRows(void* rows)
{
    delete[] static_cast<std::uint8_t*>(rows);
}
}  // namespace

QImage toBitmap(DecodedPicture&& picture)
{
    if (picture.empty())
        return QImage();
    const QImage::Format format = picture.bitsPerPixel == 24 ? QImage::Format_BGR888 : QImage::Format_Indexed8;
    std::uint8_t* rows = picture.rows.release();
    QImage bitmap(rows, picture.width, picture.height, static_cast<qsizetype>(picture.rowBytes), format, freeRows,
                  rows);
    if (picture.bitsPerPixel == 8) {
        QList<QRgb> table(256);
        for (int i = 0; i < 256; ++i) {
            const std::uint8_t* entry = picture.colourTable.data() + 4 * i;
            table[i] = qRgb(entry[2], entry[1], entry[0]);
        }
        bitmap.setColorTable(table);
    }
    return bitmap;
}

}  // namespace brindolo
