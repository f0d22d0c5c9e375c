// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Gives every row of a list the height its control publishes as ItemHeight,
// or a line of the list's font where that is taller: the font and the item
// height are scaled apart, and a row lower than its font would cut its text.

#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <algorithm>
#include <functional>
#include <utility>

namespace brindolo {

class ItemHeightDelegate : public QStyledItemDelegate {
public:
    ItemHeightDelegate(QObject* parent, std::function<int()> itemHeight)
        : QStyledItemDelegate(parent), itemHeight_(std::move(itemHeight))
    {
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(itemHeight_(), QFontMetrics(option.font).lineSpacing()));
        return size;
    }

private:
    std::function<int()> itemHeight_;
};

}  // namespace brindolo
