// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/word_mark_delegate.h"

#include "editor/word_grid_model.h"

#include <QPainter>

namespace brindolo {

namespace {

void drawBadge(QPainter& painter, const QRect& box, const QColor& colour, const QString& sign)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(box);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(box.height() * 3 / 4);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, sign);
}

}  // namespace

void WordMarkDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const int side = 22;
    const QRect area = option.rect.adjusted(4, 4, -4, -4);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (index.data(WordGridModel::HasRecordingRole).toBool())
        drawBadge(*painter, QRect(area.topLeft(), QSize(side, side)), QColor(0x2e, 0x7d, 0x32), QStringLiteral("♪"));
    const int findings = index.data(WordGridModel::FindingsRole).toInt();
    if (findings > 0)
        drawBadge(*painter, QRect(area.right() - side, area.top(), side, side),
                  findings > 1 ? QColor(0xc6, 0x28, 0x28) : QColor(0xef, 0x6c, 0x00),
                  findings > 1 ? QStringLiteral("!") : QStringLiteral("?"));
    painter->restore();
}

}  // namespace brindolo
