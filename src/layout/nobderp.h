// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The concrete resizer panel and its property handlers. Besides a control's
// bounds, the panel keeps in proportion the size-like properties the
// control's class has, each through a handler of its own. A control gets
// every handler whose test it passes, in this order (a class test holds for
// derived classes too):
//
//   control                     handler           keeps in proportion
//   publishes a "Font" object   TMRFont           its font's point size, to the
//                                                 control's client size
//   TComboBox, TCustomListBox   TMRItemHeight     the row height, to the client
//                                                 height
//   TDrawGrid                   TMRDrawGrid       default column width and row
//                                                 height, every column's width
//                                                 and row's height, and the grid
//                                                 line width
//   TImage                      TMRStretch        nothing: advises stretching the
//                                                 picture
//   TLabel                      TMRAutoSize       nothing: advises turning AutoSize
//                                                 off
//   TStatusBar                  TMRWidthItems     every panel's width
//   THeaderControl              TMRHeaderControl  every section's width, minimum
//                                                 and maximum width
//   TListView                   TMRWidthItems     every column's width
//   TTreeView                   TMRTreeView       the indent of each level, to the
//                                                 client width
//   TSplitter                   TMRMinSize        the minimum size it leaves, to
//                                                 the client height or width
//                                                 along its side
//
// Widths are taken against the control's own client width and heights
// against its client height, never its parent's. Scroll boxes, tab sets and
// notebooks, bit and speed buttons and tool windows have size-like
// properties too, but Qt Widgets has no such controls here, so they have no
// handlers.

#include "layout/customrp.h"

#include <QMetaProperty>
#include <cstdint>
#include <vector>

namespace brindolo {

// Adds the combo box font fit to the bounds handler: a combo box takes its
// height from its font, so the font is sized to give the height it should
// have.
class TMRControlHandlerVCL : public TMRControlHandler {
public:
    explicit TMRControlHandlerVCL(TControl& control);
    void ApplyBounds(QRect& r) override;

private:
    bool fontReplacedLater(const TFont& font) const;
    // The class of a control never changes: tested once.
    TCustomComboBox* FComboBox;
};

class TNoBDEResizerPanel : public TCustomResizerPanel {
    Q_OBJECT
    Q_PROPERTY(bool Active READ active WRITE setActive)
public:
    TNoBDEResizerPanel(TComponent* owner, TControl* parent);
    void CreatePropertyHandlers(TControl& control, TMRPropertyHandlers& list) override;
};

// (value last applied, ratio) per item of a list of columns, rows or panels.
// Reading outside the list gives 0, writing outside it is ignored, so items
// the application removed since are never addressed.
class TMRLValues {
public:
    void Add(int value, float ratio) { items_.push_back({value, ratio}); }
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    int GetValue(int index) const { return inRange(index) ? items_[index].value : 0; }
    void SetValue(int index, int value)
    {
        if (inRange(index))
            items_[index].value = value;
    }
    float GetRatio(int index) const { return inRange(index) ? items_[index].ratio : 0.0f; }

private:
    bool inRange(int index) const { return index >= 0 && index < Count(); }
    struct Pair {
        int value;
        float ratio;
    };
    std::vector<Pair> items_;
};

// An integer property written as Trunc(client dimension x ratio).
class TMRIntProperty {
public:
    TMRIntProperty(const TControl& control, QStringView name);
    int read() const;
    // Writes, then returns what the control reads back.
    int write(int value) const;

private:
    QObject* object_;
    QMetaProperty property_;
};

// One integer property against one of the control's client dimensions.
class TMRAxisProperty : public TMRPropertyHandler {
public:
    enum class Axis { Width, Height };
    TMRAxisProperty(TControl& control, QStringView name, Axis axis);
    void Record() override;
    void Apply() override;

private:
    int clientDimension() const;

    TMRIntProperty FProperty;
    Axis FAxis;
    int FLastValue = 0;
    float FRatio = 0;
};

class TMRItemHeight : public TMRAxisProperty {
public:
    explicit TMRItemHeight(TControl& control) : TMRAxisProperty(control, u"ItemHeight", Axis::Height) {}
};

class TMRTreeView : public TMRAxisProperty {
public:
    explicit TMRTreeView(TControl& control) : TMRAxisProperty(control, u"Indent", Axis::Width) {}
};

class TDrawGrid;

// Default sizes, grid line width (against the client width) and every
// column's width and row's height.
class TMRDrawGrid : public TMRPropertyHandler {
public:
    explicit TMRDrawGrid(TControl& control);
    void Record() override;
    void Apply() override;

private:
    bool unchanged() const;

    TDrawGrid& FGrid;
    TMRIntProperty FDefaultColWidth;
    TMRIntProperty FDefaultRowHeight;
    TMRIntProperty FGridLineWidth;
    // Each of the three as last applied, and its ratio to the client size.
    struct Scaled {
        int last = 0;
        float ratio = 0;
    };
    Scaled FColWidthScale, FRowHeightScale, FLineWidthScale;
    TMRLValues FColumns;
    TMRLValues FRows;
};

class TWidthItems;

// The width of every item of a published width list (status bar panels, list
// view columns) against the client width. The ratios are taken again when
// the application added or removed items or changed a width.
class TMRWidthItems : public TMRPropertyHandler {
public:
    TMRWidthItems(TControl& control, QStringView collection);
    void Record() override;
    void Apply() override;

private:
    bool unchanged() const;

    TWidthItems& FItems;
    TMRLValues FWidths;
};

// One header section as last applied, and its three ratios to the client
// width.
struct TMRLSection {
    int LastWidth = 0;
    int LastMinWidth = 0;
    int LastMaxWidth = 0;
    float WidthRatio = 0;
    float MinWidthRatio = 0;
    float MaxWidthRatio = 0;
};

using TMRLSections = std::vector<TMRLSection>;

class THeaderSections;

// Every header section's width, minimum and maximum width against the client
// width. A changed limit or section count takes all three ratios again; a
// width the user dragged takes only the width ratios again.
class TMRHeaderControl : public TMRPropertyHandler {
public:
    explicit TMRHeaderControl(TControl& control);
    void Record() override;
    void Apply() override;

private:
    enum class Change { None, Widths, Rebuild };
    Change change() const;

    THeaderSections& FSections;
    TMRLSections FItems;
};

// A splitter's minimum size: a height when it lies along the top or bottom,
// a width when along the left or right, never scaled otherwise.
class TMRMinSize : public TMRPropertyHandler {
public:
    explicit TMRMinSize(TControl& control);
    void Record() override;
    void Apply() override;

private:
    // The client dimension MinSize is measured along, or -1 for an Align
    // that has none.
    int dimensionFor(int align) const;

    TMRIntProperty FMinSize;
    TMRIntProperty FAlign;
    int FLastMinSize = 0;
    std::int8_t FRecordedAlign = 0;
    float FMinSizeRatio = 0;
};

// Advice only: a picture should stretch with its control.
class TMRStretch : public TMRPropertyHandler {
public:
    using TMRPropertyHandler::TMRPropertyHandler;
    QString GetWarning() const override;
};

// Advice only: a label that sizes itself fights the panel.
class TMRAutoSize : public TMRPropertyHandler {
public:
    using TMRPropertyHandler::TMRPropertyHandler;
    QString GetWarning() const override;
};

}  // namespace brindolo
