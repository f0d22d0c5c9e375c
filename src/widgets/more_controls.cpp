// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/more_controls.h"

#include "widgets/item_height_delegate.h"

#include <QEvent>
#include <QHeaderView>
#include <QStandardItemModel>

#include <algorithm>

namespace brindolo {

TLabel::TLabel(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setParentControl(parent);
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

void TLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitText();
}

TCustomListBox::TCustomListBox(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setUniformItemSizes(true);
    setItemDelegate(new ItemHeightDelegate(this, [this] { return itemHeight(); }));
    setParentControl(parent);
}

void TCustomListBox::setItemHeight(int height)
{
    itemHeight_ = height;
    doItemsLayout();
}

TTreeView::TTreeView(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setParentControl(parent);
}

TDrawGrid::TDrawGrid(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setParentControl(parent);
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

namespace {

// Qt's own minimum would silently widen sections and columns the resizer
// narrows; the limits that matter are the ones the program sets.
void allowAnySectionSize(QHeaderView& header)
{
    header.setMinimumSectionSize(0);
    header.setStretchLastSection(false);
}

class TStatusPanels : public TWidthItems {
public:
    explicit TStatusPanels(TStatusBar& bar) : bar_(bar) { setParent(&bar); }
    int count() const override { return bar_.panelCount(); }
    int width(int index) const override { return bar_.panel(index).minimumWidth(); }
    void setWidth(int index, int width) override { bar_.panel(index).setFixedWidth(width); }

private:
    TStatusBar& bar_;
};

class TListColumns : public TWidthItems {
public:
    explicit TListColumns(TListView& view) : view_(view) { setParent(&view); }
    int count() const override { return view_.columnCount(); }
    int width(int index) const override { return view_.columnWidth(index); }
    void setWidth(int index, int width) override { view_.setColumnWidth(index, width); }

private:
    TListView& view_;
};

}  // namespace

THeaderSections::THeaderSections(QHeaderView& header) : QObject(&header), header_(header) {}

int THeaderSections::add(int width, int minWidth, int maxWidth)
{
    auto* model = header_.model();
    const int index = count();
    model->insertColumn(index);
    limits_.push_back({minWidth, maxWidth});
    setWidth(index, width);
    return index;
}

void THeaderSections::remove(int index)
{
    header_.model()->removeColumn(index);
    limits_.erase(limits_.begin() + index);
}

int THeaderSections::width(int index) const
{
    return header_.sectionSize(index);
}

void THeaderSections::setWidth(int index, int width)
{
    const Limits& limits = limits_.at(static_cast<size_t>(index));
    // The maximum wins over the minimum when they cross, as a dragged
    // section stops at whichever limit it meets last.
    header_.resizeSection(index, std::min(std::max(width, limits.min), limits.max));
}

void THeaderSections::setMinWidth(int index, int minWidth)
{
    limits_.at(static_cast<size_t>(index)).min = minWidth;
    if (width(index) < minWidth)
        setWidth(index, minWidth);
}

void THeaderSections::setMaxWidth(int index, int maxWidth)
{
    limits_.at(static_cast<size_t>(index)).max = maxWidth;
    if (width(index) > maxWidth)
        setWidth(index, maxWidth);
}

THeaderControl::THeaderControl(TComponent* owner, TControl* parent)
    : TWidgetControl(owner, Qt::Horizontal)
{
    // A header shows the sections of a model; a standalone one owns an
    // empty model whose columns are its sections.
    setModel(new QStandardItemModel(0, 0, this));
    allowAnySectionSize(*this);
    setSectionResizeMode(QHeaderView::Interactive);
    sections_ = new THeaderSections(*this);
    setParentControl(parent);
}

TListView::TListView(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setRootIsDecorated(false);
    allowAnySectionSize(*header());
    columns_ = new TListColumns(*this);
    setParentControl(parent);
}

TStatusBar::TStatusBar(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setSizeGripEnabled(false);
    panels_ = new TStatusPanels(*this);
    setParentControl(parent);
}

int TStatusBar::addPanel(const QString& text, int width)
{
    auto* label = new QLabel(text, this);
    label->setFixedWidth(width);
    addWidget(label);
    labels_.push_back(label);
    return panelCount() - 1;
}

void TStatusBar::removePanel(int index)
{
    QLabel* label = labels_.at(static_cast<size_t>(index));
    labels_.erase(labels_.begin() + index);
    removeWidget(label);
    delete label;
}

TSplitter::TSplitter(TComponent* owner, TControl* parent) : TWidgetControl(owner)
{
    setFrameShape(QFrame::StyledPanel);
    setSplitterAlign(alLeft);
    setParentControl(parent);
}

void TSplitter::setSplitterAlign(TSplitterAlign align)
{
    align_ = align;
    setCursor(align == alTop || align == alBottom ? Qt::SplitVCursor : Qt::SplitHCursor);
    // The platform places only client-aligned controls; a splitter on a
    // side keeps the bounds it is given.
    setAlign(align == alClient ? TAlign::Client : TAlign::None);
}

}  // namespace brindolo
