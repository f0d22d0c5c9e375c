#pragma once
// Gives every row of a list the height its control publishes as ItemHeight.

#include <QStyledItemDelegate>
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
        size.setHeight(itemHeight_());
        return size;
    }

private:
    std::function<int()> itemHeight_;
};

}  // namespace brindolo
