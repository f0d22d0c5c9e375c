// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Further standard controls, each publishing the size-like properties the
// resizer panel scales, under the design's names. No form of the program is
// made of them today: the resizer's handlers test for their classes, and the
// layout tests build forms from them (tests/layout/resizer_test.cpp: label,
// list box, tree view, draw grid; tests/layout/more_kinds_test.cpp: status
// bar, list view, header control, splitter) to check each handler.

#include "widgets/font.h"
#include "widgets/tcontrol.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <vector>

namespace brindolo {

// A one-line caption; with AutoSize it takes the size of its text.
class TLabel : public TWidgetControl<QLabel> {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TLabel(TComponent* owner, TControl* parent);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    void setCaption(const QString& caption);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitText();
    bool autoSize_ = true;
};

// A list of lines, every row ItemHeight pixels high.
class TCustomListBox : public TWidgetControl<QListWidget> {
    Q_OBJECT
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TCustomListBox(TComponent* owner, TControl* parent);
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);

private:
    int itemHeight_ = 16;
};

class TListBox : public TCustomListBox {
    Q_OBJECT
public:
    using TCustomListBox::TCustomListBox;
};

// A tree whose levels are indented by Indent pixels.
class TTreeView : public TWidgetControl<QTreeWidget> {
    Q_OBJECT
    Q_PROPERTY(int Indent READ indentation WRITE setIndentation)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TTreeView(TComponent* owner, TControl* parent);

};

// A grid of cells with default and per-column/per-row sizes.
class TDrawGrid : public TWidgetControl<QTableWidget> {
    Q_OBJECT
    Q_PROPERTY(int DefaultColWidth READ defaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(int GridLineWidth READ gridLineWidth WRITE setGridLineWidth)
    Q_PROPERTY(int ColCount READ columnCount WRITE setColumnCount)
    Q_PROPERTY(int RowCount READ rowCount WRITE setRowCount)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TDrawGrid(TComponent* owner, TControl* parent);

    int defaultColWidth() const;
    // Every column takes the new default width, as a fresh grid would.
    void setDefaultColWidth(int width);
    int defaultRowHeight() const;
    void setDefaultRowHeight(int height);
    // Kept for forms that size their cells around it; Qt's table itself
    // draws its grid one pixel wide.
    int gridLineWidth() const { return gridLineWidth_; }
    void setGridLineWidth(int width);

    int colWidth(int column) const { return columnWidth(column); }
    void setColWidth(int column, int width) { setColumnWidth(column, width); }
    int rowHeightAt(int row) const { return rowHeight(row); }
    void setRowHeightAt(int row, int height) { setRowHeight(row, height); }

private:
    int gridLineWidth_ = 1;
};

// The items of a control that each have a width of their own: a status
// bar's panels, a list view's columns. Published as one object so that the
// resizer reaches them by name, as it reaches a font.
class TWidthItems : public QObject {
    Q_OBJECT
public:
    virtual int count() const = 0;
    // Indexes outside 0..count() - 1 are the caller's error.
    virtual int width(int index) const = 0;
    virtual void setWidth(int index, int width) = 0;
};

// A header's sections, each with a width kept between its own minimum and
// maximum, as the user may drag it only within them.
class THeaderSections : public QObject {
    Q_OBJECT
public:
    explicit THeaderSections(QHeaderView& header);
    int count() const { return static_cast<int>(limits_.size()); }
    // Appends a section with the given width and limits; returns its index.
    int add(int width, int minWidth = 0, int maxWidth = 10000);
    void remove(int index);

    int width(int index) const;
    void setWidth(int index, int width);
    int minWidth(int index) const { return limits_.at(static_cast<size_t>(index)).min; }
    // Raising the minimum widens a narrower section; it never narrows one.
    void setMinWidth(int index, int minWidth);
    int maxWidth(int index) const { return limits_.at(static_cast<size_t>(index)).max; }
    // Lowering the maximum narrows a wider section; it never widens one.
    void setMaxWidth(int index, int maxWidth);

private:
    struct Limits {
        int min;
        int max;
    };
    QHeaderView& header_;
    std::vector<Limits> limits_;
};

// A row of column captions on its own, outside any list.
class THeaderControl : public TWidgetControl<QHeaderView> {
    Q_OBJECT
    Q_PROPERTY(brindolo::THeaderSections* Sections READ sections)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    THeaderControl(TComponent* owner, TControl* parent);
    THeaderSections* sections() const { return sections_; }

private:
    THeaderSections* sections_;
};

// A list shown in report style: rows of cells under captioned columns.
class TListView : public TWidgetControl<QTreeWidget> {
    Q_OBJECT
    Q_PROPERTY(brindolo::TWidthItems* Columns READ columns)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TListView(TComponent* owner, TControl* parent);
    TWidthItems* columns() const { return columns_; }

private:
    TWidthItems* columns_;
};

// A bar of fixed-width panels along the bottom of a form.
class TStatusBar : public TWidgetControl<QStatusBar> {
    Q_OBJECT
    Q_PROPERTY(brindolo::TWidthItems* Panels READ panels)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TStatusBar(TComponent* owner, TControl* parent);
    TWidthItems* panels() const { return panels_; }
    // Appends a panel showing text; returns its index.
    int addPanel(const QString& text, int width);
    void removePanel(int index);
    int panelCount() const { return static_cast<int>(labels_.size()); }
    QLabel& panel(int index) const { return *labels_.at(static_cast<size_t>(index)); }

private:
    TWidthItems* panels_;
    std::vector<QLabel*> labels_;
};

// A bar the user drags to resize the control it lies against. Which side it
// lies on decides whether MinSize is a height or a width.
class TSplitter : public TWidgetControl<QFrame> {
    Q_OBJECT
    Q_PROPERTY(int MinSize READ minSize WRITE setMinSize)
    Q_PROPERTY(brindolo::TSplitter::TSplitterAlign Align READ splitterAlign WRITE setSplitterAlign)
public:
    enum TSplitterAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TSplitterAlign)

    TSplitter(TComponent* owner, TControl* parent);
    // The smallest size the splitter leaves the control it resizes.
    int minSize() const { return minSize_; }
    void setMinSize(int size) { minSize_ = size; }
    TSplitterAlign splitterAlign() const { return align_; }
    void setSplitterAlign(TSplitterAlign align);

private:
    int minSize_ = 30;
    TSplitterAlign align_ = alLeft;
};

}  // namespace brindolo
