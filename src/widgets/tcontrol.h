// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A visual component: a QWidget that is also a TComponent, with the bounds,
// client size, child list and alignment the program's layout relies on.
// Concrete controls derive from TWidgetControl<Qt widget class>, below.

#include "widgets/font.h"
#include "widgets/tcomponent.h"

#include <QRect>
#include <QResizeEvent>
#include <QWidget>
#include <utility>
#include <vector>

namespace brindolo {

enum class TAlign { None, Client };

class TControl : public TComponent {
public:
    TControl(QWidget& self, TComponent* owner);
    ~TControl() override;

    QWidget& widget() const { return widget_; }

    // The visual container: sets Qt's parent too and appends this control to
    // the container's child list.
    TControl* parentControl() const { return parent_; }
    void setParentControl(TControl* parent);

    // Children that are our controls, in creation order; never Qt's internal
    // child widgets (a combo box's line edit, a scroll area's viewport).
    int controlCount() const { return static_cast<int>(children_.size()); }
    TControl* control(int index) const { return children_.at(static_cast<size_t>(index)); }
    // True for controls that can hold other controls (panels, the window).
    virtual bool isContainer() const { return false; }

    int left() const { return widget_.x(); }
    int top() const { return widget_.y(); }
    int width() const { return widget_.width(); }
    int height() const { return widget_.height(); }
    QRect boundsRect() const { return widget_.geometry(); }
    // All four at once. A size change is reported through sizeChanged() at
    // once, also while the control is hidden, once its window exists.
    virtual void setBounds(int left, int top, int width, int height);
    // One side at a time, for the published Left, Top, Width and Height.
    void setLeft(int value) { setBounds(value, top(), width(), height()); }
    void setTop(int value) { setBounds(left(), value, width(), height()); }
    void setWidth(int value) { setBounds(left(), top(), value, height()); }
    void setHeight(int value) { setBounds(left(), top(), width(), value); }

    // The client size that proportions are taken against. For a panel it is
    // its whole size; its border only narrows the area aligned children fill.
    virtual int clientWidth() const { return widget_.width(); }
    virtual int clientHeight() const { return widget_.height(); }
    // Where children aligned to the client area are placed.
    virtual QRect alignRect() const { return QRect(0, 0, clientWidth(), clientHeight()); }

    TAlign align() const { return align_; }
    void setAlign(TAlign align);

    bool visible() const { return !widget_.isHidden(); }
    void setVisible(bool visible) { widget_.setVisible(visible); }
    bool enabled() const { return widget_.isEnabled(); }
    void setEnabled(bool enabled) { widget_.setEnabled(enabled); }

    // The size-change notification: delivered after the control's own size
    // has changed. The default places the aligned children again; a control
    // that scales its contents (the resizer panel) overrides it and calls
    // this base at the point where children are to be realigned.
    virtual void sizeChanged() { realign(); }
    // Places every child aligned to the client area over alignRect().
    void realign();

    // Called from Qt's resize event; a failure of the size change is
    // reported there and goes no further.
    void resized();

private:
    QWidget& widget_;
    TControl* parent_ = nullptr;
    std::vector<TControl*> children_;
    TAlign align_ = TAlign::None;
};

// A Qt widget class joined to TControl. Qt's resize events reach the layout,
// and where both bases have a member of the same name and meaning (width,
// height, setVisible, setEnabled) TControl's answers, so callers never need
// to say which base they mean. The Font object is made on first use; only
// the controls that publish it as "Font" have it scaled.
template <typename Widget>
class TWidgetControl : public Widget, public TControl {
public:
    // The widget is made without a Qt parent; the concrete control calls
    // setParentControl() once it is fully built.
    template <typename... WidgetArgs>
    explicit TWidgetControl(TComponent* owner, WidgetArgs&&... widgetArgs)
        : Widget(std::forward<WidgetArgs>(widgetArgs)...), TControl(*this, owner)
    {
    }

    TFont* fontObject() const { return TFont::of(*this); }

    using TControl::height;
    using TControl::setEnabled;
    using TControl::setVisible;
    using TControl::width;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        Widget::resizeEvent(event);
        resized();
    }
};

}  // namespace brindolo
