// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/nobderp.h"

#include "system/errors.h"
#include "widgets/more_controls.h"
#include "widgets/timage.h"

#include <algorithm>

namespace brindolo {

TMRControlHandlerVCL::TMRControlHandlerVCL(TControl& control)
    : TMRControlHandler(control), FComboBox(dynamic_cast<TCustomComboBox*>(&control))
{
}

bool TMRControlHandlerVCL::fontReplacedLater(const TFont& font) const
{
    for (const auto& handler : FPropertyHandlers) {
        const auto* fontHandler = dynamic_cast<const TMRFont*>(handler.get());
        if (fontHandler && !fontHandler->invalid() && &fontHandler->font() == &font)
            return true;
    }
    return false;
}

void TMRControlHandlerVCL::ApplyBounds(QRect& r)
{
    TMRControlHandler::ApplyBounds(r);
    if (!FComboBox)
        return;
    TFont* font = findFontProperty(*FComboBox, u"Font");
    // A font handler later in this same apply sets this font's size in any
    // case; fitting it first would cost the combo box a second full
    // relayout and change nothing.
    if (!font || fontReplacedLater(*font))
        return;
    // Work in cell heights, so the difference below is what the combo box
    // adds around its text. Our combo boxes keep the height they are given,
    // so the cell height is only computed here, not written and read back.
    const int cell = font->height() < 0 ? font->size() * font->pixelsPerInch() / 72 : font->height();
    const int extra = FControl->height() - cell;
    font->setHeight(roundProduct(FControl->parentControl()->clientHeight(), FHeightRatio) - extra);
}

TNoBDEResizerPanel::TNoBDEResizerPanel(TComponent* owner, TControl* parent) : TCustomResizerPanel(owner, parent)
{
    FHandlerClass = [](TControl& control) { return std::make_unique<TMRControlHandlerVCL>(control); };
}

void TNoBDEResizerPanel::CreatePropertyHandlers(TControl& control, TMRPropertyHandlers& list)
{
    TCustomResizerPanel::CreatePropertyHandlers(control, list);
    if (findFontProperty(control.object(), u"Font"))
        list.push_back(std::make_unique<TMRFont>(control, QStringLiteral("Font")));
    // TComboBox, not the common combo box base: other combo box families
    // keep their item height.
    if (dynamic_cast<TComboBox*>(&control) || dynamic_cast<TCustomListBox*>(&control))
        list.push_back(std::make_unique<TMRItemHeight>(control));
    if (dynamic_cast<TDrawGrid*>(&control))
        list.push_back(std::make_unique<TMRDrawGrid>(control));
    if (dynamic_cast<TImage*>(&control))
        list.push_back(std::make_unique<TMRStretch>(control));
    if (dynamic_cast<TLabel*>(&control))
        list.push_back(std::make_unique<TMRAutoSize>(control));
    if (dynamic_cast<TStatusBar*>(&control))
        list.push_back(std::make_unique<TMRWidthItems>(control, u"Panels"));
    if (dynamic_cast<THeaderControl*>(&control))
        list.push_back(std::make_unique<TMRHeaderControl>(control));
    if (dynamic_cast<TListView*>(&control))
        list.push_back(std::make_unique<TMRWidthItems>(control, u"Columns"));
    if (dynamic_cast<TTreeView*>(&control))
        list.push_back(std::make_unique<TMRTreeView>(control));
    if (dynamic_cast<TSplitter*>(&control))
        list.push_back(std::make_unique<TMRMinSize>(control));
}

TMRIntProperty::TMRIntProperty(const TControl& control, QStringView name)
    : object_(&control.object()), property_(requireControlProperty(control, name))
{
}

int TMRIntProperty::read() const
{
    return property_.read(object_).toInt();
}

int TMRIntProperty::write(int value) const
{
    property_.write(object_, value);
    return read();
}

TMRAxisProperty::TMRAxisProperty(TControl& control, QStringView name, Axis axis)
    : TMRPropertyHandler(control), FProperty(control, name), FAxis(axis)
{
}

int TMRAxisProperty::clientDimension() const
{
    return FAxis == Axis::Width ? FControl->clientWidth() : FControl->clientHeight();
}

void TMRAxisProperty::Record()
{
    const int value = FProperty.read();
    if (value != FLastValue || FInvalid) {
        const int dimension = clientDimension();
        if (dimension == 0) {
            FInvalid = true;
            return;
        }
        FRatio = ratioOf(value, dimension);
    }
    FInvalid = false;
}

void TMRAxisProperty::Apply()
{
    if (FInvalid)
        return;
    FLastValue = FProperty.write(truncProduct(clientDimension(), FRatio));
}

namespace {

TDrawGrid& requireGrid(TControl& control)
{
    auto* grid = dynamic_cast<TDrawGrid*>(&control);
    if (!grid)
        throw Exception("No ColWidths property");
    return *grid;
}

}  // namespace

TMRDrawGrid::TMRDrawGrid(TControl& control)
    : TMRPropertyHandler(control),
      FGrid(requireGrid(control)),
      FDefaultColWidth(control, u"DefaultColWidth"),
      FDefaultRowHeight(control, u"DefaultRowHeight"),
      FGridLineWidth(control, u"GridLineWidth")
{
}

bool TMRDrawGrid::unchanged() const
{
    if (FDefaultColWidth.read() != FColWidthScale.last || FDefaultRowHeight.read() != FRowHeightScale.last
        || FGrid.columnCount() != FColumns.Count() || FGrid.rowCount() != FRows.Count())
        return false;
    for (int i = 0; i < FColumns.Count(); ++i)
        if (FGrid.colWidth(i) != FColumns.GetValue(i))
            return false;
    for (int i = 0; i < FRows.Count(); ++i)
        if (FGrid.rowHeightAt(i) != FRows.GetValue(i))
            return false;
    return true;
}

void TMRDrawGrid::Record()
{
    if (unchanged() && !FInvalid)
        return;
    const int cw = FControl->clientWidth();
    const int ch = FControl->clientHeight();
    if (cw == 0 || ch == 0) {
        FInvalid = true;
        return;
    }
    FColWidthScale.ratio = ratioOf(FDefaultColWidth.read(), cw);
    FRowHeightScale.ratio = ratioOf(FDefaultRowHeight.read(), ch);
    FLineWidthScale.ratio = ratioOf(FGridLineWidth.read(), cw);
    FColumns.Clear();
    for (int i = 0; i < FGrid.columnCount(); ++i)
        FColumns.Add(0, ratioOf(FGrid.colWidth(i), cw));
    FRows.Clear();
    for (int i = 0; i < FGrid.rowCount(); ++i)
        FRows.Add(0, ratioOf(FGrid.rowHeightAt(i), ch));
    FInvalid = false;
}

void TMRDrawGrid::Apply()
{
    if (FInvalid)
        return;
    const int cw = FControl->clientWidth();
    const int ch = FControl->clientHeight();
    FColWidthScale.last = FDefaultColWidth.write(truncProduct(cw, FColWidthScale.ratio));
    FRowHeightScale.last = FDefaultRowHeight.write(truncProduct(ch, FRowHeightScale.ratio));
    FLineWidthScale.last = FGridLineWidth.write(std::max(1, truncProduct(cw, FLineWidthScale.ratio)));
    // Columns or rows the application removed since the record are skipped.
    const int columns = std::min(FColumns.Count(), FGrid.columnCount());
    const int rows = std::min(FRows.Count(), FGrid.rowCount());
    for (int i = 0; i < columns; ++i)
        FGrid.setColWidth(i, truncProduct(cw, FColumns.GetRatio(i)));
    for (int i = 0; i < rows; ++i)
        FGrid.setRowHeightAt(i, truncProduct(ch, FRows.GetRatio(i)));
    for (int i = 0; i < columns; ++i)
        FColumns.SetValue(i, FGrid.colWidth(i));
    for (int i = 0; i < rows; ++i)
        FRows.SetValue(i, FGrid.rowHeightAt(i));
}

namespace {

// A published object-valued property, such as a collection, of class T.
template <typename T>
T& requireObject(const TControl& control, QStringView name)
{
    const QMetaProperty property = requireControlProperty(control, name);
    auto* object = qobject_cast<T*>(property.read(&control.object()).value<QObject*>());
    if (!object)
        throw Exception("No " + name.toString().toStdString() + " property");
    return *object;
}

}  // namespace

TMRWidthItems::TMRWidthItems(TControl& control, QStringView collection)
    : TMRPropertyHandler(control), FItems(requireObject<TWidthItems>(control, collection))
{
}

bool TMRWidthItems::unchanged() const
{
    if (FItems.count() != FWidths.Count())
        return false;
    for (int i = 0; i < FWidths.Count(); ++i)
        if (FItems.width(i) != FWidths.GetValue(i))
            return false;
    return true;
}

void TMRWidthItems::Record()
{
    if (unchanged() && !FInvalid)
        return;
    const int cw = FControl->clientWidth();
    if (cw == 0) {
        FInvalid = true;
        return;
    }
    FWidths.Clear();
    for (int i = 0; i < FItems.count(); ++i)
        FWidths.Add(0, ratioOf(FItems.width(i), cw));
    FInvalid = false;
}

void TMRWidthItems::Apply()
{
    if (FInvalid)
        return;
    const int cw = FControl->clientWidth();
    // Items the application removed since the record are skipped.
    const int count = std::min(FWidths.Count(), FItems.count());
    for (int i = 0; i < count; ++i) {
        FItems.setWidth(i, truncProduct(cw, FWidths.GetRatio(i)));
        FWidths.SetValue(i, FItems.width(i));
    }
}

TMRHeaderControl::TMRHeaderControl(TControl& control)
    : TMRPropertyHandler(control), FSections(requireObject<THeaderSections>(control, u"Sections"))
{
}

TMRHeaderControl::Change TMRHeaderControl::change() const
{
    if (FInvalid || FSections.count() != static_cast<int>(FItems.size()))
        return Change::Rebuild;
    Change result = Change::None;
    for (int i = 0; i < FSections.count(); ++i) {
        const TMRLSection& item = FItems[static_cast<size_t>(i)];
        if (FSections.minWidth(i) != item.LastMinWidth || FSections.maxWidth(i) != item.LastMaxWidth)
            return Change::Rebuild;
        if (FSections.width(i) != item.LastWidth)
            result = Change::Widths;
    }
    return result;
}

void TMRHeaderControl::Record()
{
    const Change what = change();
    if (what == Change::None)
        return;
    const int cw = FControl->clientWidth();
    if (cw == 0) {
        FInvalid = true;
        return;
    }
    if (what == Change::Rebuild) {
        FItems.clear();
        for (int i = 0; i < FSections.count(); ++i) {
            TMRLSection item;
            item.MinWidthRatio = ratioOf(FSections.minWidth(i), cw);
            item.MaxWidthRatio = ratioOf(FSections.maxWidth(i), cw);
            FItems.push_back(item);
        }
    }
    for (size_t i = 0; i < FItems.size(); ++i)
        FItems[i].WidthRatio = ratioOf(FSections.width(static_cast<int>(i)), cw);
    FInvalid = false;
}

void TMRHeaderControl::Apply()
{
    if (FInvalid)
        return;
    const int cw = FControl->clientWidth();
    // Sections the application removed since the record are skipped.
    const int count = std::min(static_cast<int>(FItems.size()), FSections.count());
    for (int i = 0; i < count; ++i) {
        TMRLSection& item = FItems[static_cast<size_t>(i)];
        const int width = truncProduct(cw, item.WidthRatio);
        FSections.setWidth(i, width);
        FSections.setMinWidth(i, truncProduct(cw, item.MinWidthRatio));
        FSections.setMaxWidth(i, truncProduct(cw, item.MaxWidthRatio));
        // The width was clamped between the limits of the old size; once
        // the limits have followed the size, it may take its own value.
        if (FSections.width(i) != width)
            FSections.setWidth(i, width);
        item.LastWidth = FSections.width(i);
        item.LastMinWidth = FSections.minWidth(i);
        item.LastMaxWidth = FSections.maxWidth(i);
    }
}

TMRMinSize::TMRMinSize(TControl& control)
    : TMRPropertyHandler(control), FMinSize(control, u"MinSize"), FAlign(control, u"Align")
{
}

int TMRMinSize::dimensionFor(int align) const
{
    switch (align) {
    case TSplitter::alTop:
    case TSplitter::alBottom:
        return FControl->clientHeight();
    case TSplitter::alLeft:
    case TSplitter::alRight:
        return FControl->clientWidth();
    default:
        return -1;
    }
}

void TMRMinSize::Record()
{
    const int size = FMinSize.read();
    const auto align = static_cast<std::int8_t>(FAlign.read());
    if (size == FLastMinSize && align == FRecordedAlign && !FInvalid)
        return;
    FRecordedAlign = align;
    const int dimension = dimensionFor(align);
    if (dimension <= 0) {
        FInvalid = true;
        return;
    }
    FMinSizeRatio = ratioOf(size, dimension);
    FInvalid = false;
}

void TMRMinSize::Apply()
{
    if (FInvalid)
        return;
    FLastMinSize = FMinSize.write(truncProduct(dimensionFor(FRecordedAlign), FMinSizeRatio));
}

QString TMRStretch::GetWarning() const
{
    const bool stretch = requireControlProperty(*FControl, u"Stretch").read(&FControl->object()).toBool();
    return stretch ? QString() : QStringLiteral("Set Stretch to True");
}

QString TMRAutoSize::GetWarning() const
{
    const bool autoSize = requireControlProperty(*FControl, u"AutoSize").read(&FControl->object()).toBool();
    return autoSize ? QStringLiteral("Set AutoSize to False") : QString();
}

}  // namespace brindolo
