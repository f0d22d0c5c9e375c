// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture/bitmap.h"

#include <QList>
#include <QTransform>

namespace brindolo {

namespace {
void freeRows(void* rows)
{
    delete[] static_cast<std::uint8_t*>(rows);
}

// Quarter turns and mirrors only, which Qt does by moving whole pixels in
// the picture's own format, so an indexed picture keeps its colour table.
QImage turned(const QImage& bitmap, Orientation orientation)
{
    const auto quarter = [&](qreal degrees) { return bitmap.transformed(QTransform().rotate(degrees)); };
    switch (orientation) {
    case Orientation::TopLeft: return bitmap;
    case Orientation::TopRight: return bitmap.mirrored(true, false);
    case Orientation::BottomRight: return bitmap.mirrored(true, true);
    case Orientation::BottomLeft: return bitmap.mirrored(false, true);
    case Orientation::LeftTop: return quarter(90).mirrored(true, false);
    case Orientation::RightTop: return quarter(90);
    case Orientation::RightBottom: return quarter(270).mirrored(true, false);
    case Orientation::LeftBottom: return quarter(270);
    }
    return bitmap;
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
    return turned(bitmap, picture.orientation);
}

}  // namespace brindolo
