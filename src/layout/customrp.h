// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The resizer panel: a panel that keeps every control inside it, at any
// depth, in proportion to its own size. Each contained control gets one
// bounds handler (TMRControlHandler) that keeps its left, top, width and
// height as four float ratios of its parent's client area, and that handler
// owns a list of property handlers (TMRPropertyHandler), one per size-like
// property (font, item height, ...). A rescale runs in two phases, record and
// apply, over the handlers in scan order, so containers are resized before
// what they contain.
//
// Ratios are taken once (or again only when something other than the rescale
// changed the control), so shrinking and restoring gives back exactly the
// same layout instead of accumulating rounding drift.

#include "widgets/controls.h"
#include "widgets/font.h"

#include <cmath>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

namespace brindolo {

// The arithmetic every handler shares. Ratios are single-precision on
// purpose: the layout they produce, ties included, is defined by them.
inline float ratioOf(int value, int total)
{
    return static_cast<float>(value) / static_cast<float>(total);
}

// The exact product, rounded to nearest with ties to even (the default
// floating-point rounding mode).
inline int roundProduct(int dimension, float ratio)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(dimension) * static_cast<double>(ratio)));
}

// The exact product, truncated toward zero.
inline int truncProduct(int dimension, float ratio)
{
    return static_cast<int>(std::trunc(static_cast<double>(dimension) * static_cast<double>(ratio)));
}

// One size-like property of one control.
class TMRPropertyHandler {
public:
    explicit TMRPropertyHandler(TControl& control) : FControl(&control) {}
    virtual ~TMRPropertyHandler() = default;
    TMRPropertyHandler(const TMRPropertyHandler&) = delete;
    TMRPropertyHandler& operator=(const TMRPropertyHandler&) = delete;

    // Captures the property's ratio(s) from the control's current state.
    virtual void Record() {}
    // Sets the property from the ratio(s) and the control's current size.
    virtual void Apply() {}
    // One line of configuration advice, or empty; the rescale never asks.
    virtual QString GetWarning() const { return {}; }

    TControl& control() const { return *FControl; }
    bool invalid() const { return FInvalid; }

protected:
    TControl* FControl;
    bool FInvalid = true;
};

using TMRPropertyHandlers = std::vector<std::unique_ptr<TMRPropertyHandler>>;

// Raises "No <name> property" when the control publishes no such property.
QMetaProperty requireControlProperty(const TControl& control, QStringView name);

// Keeps a font's point size in proportion to the client size of the control
// that shows it (not its parent), following the tighter direction.
class TMRFont : public TMRPropertyHandler {
public:
    TMRFont(TControl& control, const QString& propName);

    void Record() override;
    // As Record, against the given size instead of the control's client size.
    void RecordFor(int width, int height);
    void Apply() override;
    QString GetWarning() const override;

    TFont& font() const { return *FFontObject; }

private:
    TFont* FFontObject;
    QString FPropertyName;
    int FLastSize = 0;
    float FSizePerWidth = 0;
    float FSizePerHeight = 0;
};

// Left, top, right, bottom as the last apply left them.
struct TMRBounds {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TMRBounds&) const = default;
};

// Keeps one control's bounds in proportion to its parent's client area.
class TMRControlHandler {
public:
    explicit TMRControlHandler(TControl& control) : FControl(&control) {}
    // Property handlers go first to last.
    virtual ~TMRControlHandler();
    TMRControlHandler(const TMRControlHandler&) = delete;
    TMRControlHandler& operator=(const TMRControlHandler&) = delete;

    virtual void RecordBounds(int parentWidth, int parentHeight);
    virtual void RecordProperties();
    // Sets the proportional bounds and returns them in r.
    virtual void ApplyBounds(QRect& r);
    virtual void ApplyProperties();

    void Record(int parentWidth, int parentHeight);
    void Apply();

    TControl& control() const { return *FControl; }
    TMRPropertyHandlers& propertyHandlers() { return FPropertyHandlers; }
    // False until a record against a non-empty parent succeeded.
    bool recorded() const { return FLeftRatio != -1.0f; }

protected:
    TControl* FControl;
    TMRPropertyHandlers FPropertyHandlers;
    float FLeftRatio = -1.0f;
    float FTopRatio = 0;
    float FWidthRatio = 0;
    float FHeightRatio = 0;
    TMRBounds FLastBounds;
    int FLastParentWidth = 0;
    int FLastParentHeight = 0;
};

using TMRControlHandlerClass = std::function<std::unique_ptr<TMRControlHandler>(TControl&)>;

class TCustomResizerPanel : public TPanel {
    Q_OBJECT
    Q_PROPERTY(bool AllowChanges READ allowChanges WRITE setAllowChanges)
public:
    TCustomResizerPanel(TComponent* owner, TControl* parent);
    ~TCustomResizerPanel() override;

    bool active() const { return FActive; }
    // False drops every handler; True takes effect at the next size change,
    // which treats the layout of that moment as the design.
    void setActive(bool active);
    // True makes the application's own changes to contained controls the new
    // proportions at the next size change.
    bool allowChanges() const { return FAllowChanges; }
    void setAllowChanges(bool allow) { FAllowChanges = allow; }

    void loaded() override;
    void setBounds(int left, int top, int width, int height) override;
    void notification(TComponent& component, Operation operation) override;
    void sizeChanged() override;

    // Gives every control inside container not yet known its handler, depth
    // first; a nested resizer panel gets one but keeps its children to itself.
    void ScanControls(TControl& container);
    // Appends the property handlers for one control; none here.
    virtual void CreatePropertyHandlers(TControl& control, TMRPropertyHandlers& list);

    int refWidth() const { return FRefWidth; }
    int refHeight() const { return FRefHeight; }
    int handlerCount() const { return static_cast<int>(FHandlers.size()); }
    // How many size changes rescaled the contents so far (those passed
    // through untouched while loading or inactive do not count).
    int rescaleCount() const { return FRescaleCount; }
    TMRControlHandler* handlerFor(const TControl& control) const;

protected:
    TMRControlHandlerClass FHandlerClass;

private:
    void rescale();
    void recordHandler(TMRControlHandler& handler);
    void takeReferenceSize();
    void deliverFailure(std::exception_ptr failure);

    int FRefWidth = 0;
    int FRefHeight = 0;
    std::vector<std::unique_ptr<TMRControlHandler>> FHandlers;
    std::unique_ptr<TMRFont> FFontHandler;
    bool FActive = true;
    bool FAllowChanges = false;
    // A failed rescale is handed back to the setBounds call that caused it,
    // so that it never unwinds through Qt's event delivery.
    int FSettingBounds = 0;
    std::exception_ptr FPendingFailure;
    int FRescaleCount = 0;
};

}  // namespace brindolo
