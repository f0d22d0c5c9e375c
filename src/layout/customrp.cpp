// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layout/customrp.h"

#include "system/errors.h"
#include "widgets/event_boundary.h"
#include "widgets/properties.h"

#include <algorithm>

namespace brindolo {

QMetaProperty requireControlProperty(const TControl& control, QStringView name)
{
    return requireProperty(control.object(), name);
}

namespace {

TFont& requireFont(const TControl& control, const QString& name)
{
    requireControlProperty(control, name);
    // Every widget has Qt's own value-typed "font"; only a published font
    // object can be scaled, so a control without one lacks the property.
    TFont* font = findFontProperty(control.object(), name);
    if (!font)
        throw Exception("No " + name.toStdString() + " property");
    return *font;
}

}  // namespace

TMRFont::TMRFont(TControl& control, const QString& propName)
    : TMRPropertyHandler(control), FFontObject(&requireFont(control, propName)), FPropertyName(propName)
{
}

void TMRFont::Record()
{
    RecordFor(FControl->clientWidth(), FControl->clientHeight());
}

void TMRFont::RecordFor(int width, int height)
{
    const float size = static_cast<float>(FFontObject->size());
    if (static_cast<int>(size) != FLastSize || FInvalid) {
        if (width == 0 || height == 0) {
            FInvalid = true;
            return;
        }
        FSizePerWidth = size / static_cast<float>(width);
        FSizePerHeight = size / static_cast<float>(height);
    }
    FInvalid = false;
}

void TMRFont::Apply()
{
    if (FInvalid)
        return;
    // Single-precision products: the whole-point steps depend on it.
    const float a = FSizePerWidth * static_cast<float>(FControl->clientWidth());
    const float b = FSizePerHeight * static_cast<float>(FControl->clientHeight());
    FFontObject->setSize(static_cast<int>(a < b ? a : b));
    FLastSize = FFontObject->size();
    if (FLastSize == 0) {
        FFontObject->setSize(1);
        FLastSize = FFontObject->size();
    }
}

QString TMRFont::GetWarning() const
{
    return FFontObject->isVectorFont() ? QString() : QStringLiteral("Not a vector font. ");
}

TMRControlHandler::~TMRControlHandler()
{
    while (!FPropertyHandlers.empty())
        FPropertyHandlers.erase(FPropertyHandlers.begin());
}

void TMRControlHandler::Record(int parentWidth, int parentHeight)
{
    RecordBounds(parentWidth, parentHeight);
    RecordProperties();
}

void TMRControlHandler::RecordBounds(int parentWidth, int parentHeight)
{
    const TMRBounds now{FControl->left(), FControl->top(), FControl->left() + FControl->width(),
                        FControl->top() + FControl->height()};
    // Exactly as the last apply left it: recording again would only add
    // rounding error.
    if (parentWidth == FLastParentWidth && parentHeight == FLastParentHeight && now == FLastBounds)
        return;
    if (parentWidth == 0 || parentHeight == 0) {
        FLeftRatio = -1.0f;
        // No parent is this wide, so the next record is never skipped.
        FLastParentWidth = -1000;
        return;
    }
    FLeftRatio = ratioOf(FControl->left(), parentWidth);
    FTopRatio = ratioOf(FControl->top(), parentHeight);
    FWidthRatio = ratioOf(FControl->width(), parentWidth);
    FHeightRatio = ratioOf(FControl->height(), parentHeight);
}

void TMRControlHandler::RecordProperties()
{
    for (auto& handler : FPropertyHandlers)
        handler->Record();
}

void TMRControlHandler::ApplyBounds(QRect& r)
{
    const TControl* parent = FControl->parentControl();
    const int pw = parent->clientWidth();
    const int ph = parent->clientHeight();
    FLastParentWidth = pw;
    FLastParentHeight = ph;
    const int h = roundProduct(ph, FHeightRatio);
    const int w = roundProduct(pw, FWidthRatio);
    const int t = roundProduct(ph, FTopRatio);
    const int l = roundProduct(pw, FLeftRatio);
    r = QRect(l, t, w, h);
    FControl->setBounds(l, t, w, h);
}

void TMRControlHandler::ApplyProperties()
{
    for (auto& handler : FPropertyHandlers)
        handler->Apply();
}

void TMRControlHandler::Apply()
{
    // A control taken out of every container has no area to be placed in.
    if (FLeftRatio == -1.0f || !FControl->parentControl())
        return;
    QRect r;
    ApplyBounds(r);
    ApplyProperties();
    // After the platform had its say (alignment, a combo box's own height).
    FLastBounds = {FControl->left(), FControl->top(), FControl->left() + FControl->width(),
                   FControl->top() + FControl->height()};
}

TCustomResizerPanel::TCustomResizerPanel(TComponent* owner, TControl* parent)
    : TPanel(owner, parent),
      FHandlerClass([](TControl& control) { return std::make_unique<TMRControlHandler>(control); }),
      FFontHandler(std::make_unique<TMRFont>(*this, QStringLiteral("Font")))
{
}

TCustomResizerPanel::~TCustomResizerPanel()
{
    FFontHandler.reset();
    while (!FHandlers.empty())
        FHandlers.pop_back();
}

void TCustomResizerPanel::setActive(bool active)
{
    if (FActive == active)
        return;
    FActive = active;
    if (!FActive)
        while (!FHandlers.empty())
            FHandlers.pop_back();
}

void TCustomResizerPanel::takeReferenceSize()
{
    FRefWidth = width();
    FRefHeight = height();
}

void TCustomResizerPanel::loaded()
{
    takeReferenceSize();
    TPanel::loaded();
}

void TCustomResizerPanel::setBounds(int left, int top, int width, int height)
{
    if (!FActive)
        takeReferenceSize();
    ++FSettingBounds;
    TPanel::setBounds(left, top, width, height);
    --FSettingBounds;
    if (!FActive)
        takeReferenceSize();
    if (FPendingFailure && FSettingBounds == 0)
        std::rethrow_exception(std::exchange(FPendingFailure, nullptr));
}

void TCustomResizerPanel::notification(TComponent& component, Operation operation)
{
    TPanel::notification(component, operation);
    if (operation != Operation::Remove)
        return;
    // The component is half destroyed: compare addresses, never cast it.
    for (auto it = FHandlers.rbegin(); it != FHandlers.rend(); ++it) {
        if (static_cast<TComponent*>(&(*it)->control()) == &component) {
            FHandlers.erase(std::next(it).base());
            return;
        }
    }
}

TMRControlHandler* TCustomResizerPanel::handlerFor(const TControl& control) const
{
    for (const auto& handler : FHandlers)
        if (&handler->control() == &control)
            return handler.get();
    return nullptr;
}

void TCustomResizerPanel::CreatePropertyHandlers(TControl&, TMRPropertyHandlers&) {}

void TCustomResizerPanel::recordHandler(TMRControlHandler& handler)
{
    const TControl* parent = handler.control().parentControl();
    if (parent == this)
        handler.Record(FRefWidth, FRefHeight);
    else if (parent)
        handler.Record(parent->clientWidth(), parent->clientHeight());
    else
        handler.Record(0, 0);
}

void TCustomResizerPanel::ScanControls(TControl& container)
{
    const int count = container.controlCount();
    for (int i = 0; i < count; ++i) {
        TControl& control = *container.control(i);
        if (!handlerFor(control)) {
            FHandlers.push_back(FHandlerClass(control));
            TMRControlHandler& handler = *FHandlers.back();
            CreatePropertyHandlers(control, handler.propertyHandlers());
            if (!FAllowChanges)
                recordHandler(handler);
        }
        if (control.isContainer() && !qobject_cast<TCustomResizerPanel*>(&control.widget()))
            ScanControls(control);
    }
}

void TCustomResizerPanel::sizeChanged()
{
    try {
        rescale();
    } catch (...) {
        deliverFailure(std::current_exception());
    }
}

void TCustomResizerPanel::deliverFailure(std::exception_ptr failure)
{
    if (FSettingBounds > 0) {
        FPendingFailure = failure;
        return;
    }
    // Resized by Qt itself rather than through setBounds: nobody of ours is
    // up the stack to take the failure, so report it here.
    EventBoundary::run([failure] { std::rethrow_exception(failure); });
}

void TCustomResizerPanel::rescale()
{
    if (isLoading() || !FActive) {
        TPanel::sizeChanged();
        takeReferenceSize();
        return;
    }
    ScanControls(*this);
    ++FRescaleCount;

    // The board is to repaint once, at the end, not after every control
    // move. Qt's way to say so is to suspend the panel's updates; hiding the
    // panel would also take the keyboard focus away from the control that
    // has it and send hide and show events through the whole board.
    struct RepaintGuard {
        TCustomResizerPanel& panel;
        bool wasEnabled;
        ~RepaintGuard()
        {
            panel.setUpdatesEnabled(wasEnabled);
            panel.takeReferenceSize();
        }
    } guard{*this, updatesEnabled()};
    setUpdatesEnabled(false);

    if (FAllowChanges) {
        // Nothing inside has moved yet: the reference size is the panel's
        // size before this change, and deeper parents keep their old size.
        FFontHandler->RecordFor(FRefWidth, FRefHeight);
        for (auto& handler : FHandlers)
            recordHandler(*handler);
    }
    TPanel::sizeChanged();
    FFontHandler->Apply();
    for (auto& handler : FHandlers)
        handler->Apply();
}

}  // namespace brindolo
