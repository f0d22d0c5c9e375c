#include "platform/more_controls.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyledItemDelegate>

namespace brindolo {

namespace {

void attach(TControl& control, TControl* parent)
{
    if (parent)
        control.setParentControl(parent);
}

// Gives every row of the list the list box's ItemHeight.
class ItemHeightDelegate : public QStyledItemDelegate {
public:
    explicit ItemHeightDelegate(TCustomListBox& box) : QStyledItemDelegate(&box), box_(box) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(box_.itemHeight());
        return size;
    }

private:
    const TCustomListBox& box_;
};

}  // namespace

TLabel::TLabel(TComponent* owner, TControl* parent) : QLabel(nullptr), TControl(*this, owner)
{
    attach(*this, parent);
}

void TLabel::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    fitText();
}

void TLabel::setCaption(const QString& caption)
{
    setText(caption);
    fitText();
}

void TLabel::fitText()
{
    if (!autoSize_)
        return;
    const QSize hint = sizeHint();
    setBounds(left(), top(), hint.width(), hint.height());
}

void TLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    resized();
}

void TLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitText();
}

TCustomListBox::TCustomListBox(TComponent* owner, TControl* parent) : QListWidget(nullptr), TControl(*this, owner)
{
    setUniformItemSizes(true);
    setItemDelegate(new ItemHeightDelegate(*this));
    attach(*this, parent);
}

void TCustomListBox::setItemHeight(int height)
{
    itemHeight_ = height;
    doItemsLayout();
}

void TCustomListBox::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    resized();
}

TTreeView::TTreeView(TComponent* owner, TControl* parent) : QTreeWidget(nullptr), TControl(*this, owner)
{
    attach(*this, parent);
}

void TTreeView::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    resized();
}

TDrawGrid::TDrawGrid(TComponent* owner, TControl* parent) : QTableWidget(nullptr), TControl(*this, owner)
{
    attach(*this, parent);
}

int TDrawGrid::defaultColWidth() const
{
    return horizontalHeader()->defaultSectionSize();
}

void TDrawGrid::setDefaultColWidth(int width)
{
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setDefaultSectionSize(width);
}

int TDrawGrid::defaultRowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void TDrawGrid::setDefaultRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(height);
}

void TDrawGrid::setGridLineWidth(int width)
{
    gridLineWidth_ = width;
}

void TDrawGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    resized();
}

}  // namespace brindolo
