#pragma once
// Further standard controls, for forms beyond the main window. Each publishes
// the size-like properties the resizer scales, under the design's names.

#include "platform/font.h"
#include "platform/tcontrol.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace brindolo {

// A one-line caption; with AutoSize it takes the size of its text.
class TLabel : public QLabel, public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setCaption)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TLabel(TComponent* owner, TControl* parent);
    TFont* fontObject() const { return TFont::of(*this); }
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    void setCaption(const QString& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitText();
    bool autoSize_ = true;
};

// A list of lines, every row ItemHeight pixels high.
class TCustomListBox : public QListWidget, public TControl {
    Q_OBJECT
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TCustomListBox(TComponent* owner, TControl* parent);
    TFont* fontObject() const { return TFont::of(*this); }
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int itemHeight_ = 16;
};

class TListBox : public TCustomListBox {
    Q_OBJECT
public:
    using TCustomListBox::TCustomListBox;
};

// A tree whose levels are indented by Indent pixels.
class TTreeView : public QTreeWidget, public TControl {
    Q_OBJECT
    Q_PROPERTY(int Indent READ indentation WRITE setIndentation)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TTreeView(TComponent* owner, TControl* parent);
    TFont* fontObject() const { return TFont::of(*this); }

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// A grid of cells with default and per-column/per-row sizes.
class TDrawGrid : public QTableWidget, public TControl {
    Q_OBJECT
    Q_PROPERTY(int DefaultColWidth READ defaultColWidth WRITE setDefaultColWidth)
    Q_PROPERTY(int DefaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)
    Q_PROPERTY(int GridLineWidth READ gridLineWidth WRITE setGridLineWidth)
    Q_PROPERTY(int ColCount READ columnCount WRITE setColumnCount)
    Q_PROPERTY(int RowCount READ rowCount WRITE setRowCount)
    Q_PROPERTY(brindolo::TFont* Font READ fontObject)
public:
    TDrawGrid(TComponent* owner, TControl* parent);
    TFont* fontObject() const { return TFont::of(*this); }

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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int gridLineWidth_ = 1;
};

}  // namespace brindolo
