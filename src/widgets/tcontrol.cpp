// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/tcontrol.h"

#include "widgets/event_boundary.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <algorithm>

namespace brindolo {

TControl::TControl(QWidget& self, TComponent* owner) : TComponent(self, owner), widget_(self) {}

TControl::~TControl()
{
    for (TControl* c : children_)
        c->parent_ = nullptr;
    if (parent_) {
        auto& list = parent_->children_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void TControl::setParentControl(TControl* parent)
{
    if (parent_ == parent)
        return;
    if (parent_) {
        auto& list = parent_->children_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    parent_ = parent;
    if (parent_) {
        parent_->children_.push_back(this);
        widget_.setParent(&parent_->widget());
        if (align_ == TAlign::Client)
            parent_->realign();
    }
}

void TControl::setBounds(int left, int top, int width, int height)
{
    // A control aligned to the client area goes where its alignment puts
    // it, whatever bounds it is given.
    if (align_ == TAlign::Client && parent_) {
        const QRect area = parent_->alignRect();
        left = area.x();
        top = area.y();
        width = area.width();
        height = area.height();
    }
    const QSize oldSize = widget_.size();
    widget_.setGeometry(left, top, width, height);
    // Qt holds back resize events of widgets that are not shown. Once the
    // window exists the layout needs them at once (a hidden control is still
    // scaled, and a container hidden during a rescale still realigns its
    // children), so deliver the event now and clear Qt's pending one.
    if (widget_.size() != oldSize && widget_.testAttribute(Qt::WA_PendingResizeEvent)
        && widget_.window()->testAttribute(Qt::WA_WState_Created)) {
        widget_.setAttribute(Qt::WA_PendingResizeEvent, false);
        QResizeEvent event(widget_.size(), oldSize);
        QCoreApplication::sendEvent(&widget_, &event);
    }
}

void TControl::setAlign(TAlign align)
{
    align_ = align;
    if (align_ == TAlign::Client && parent_)
        parent_->realign();
}

void TControl::realign()
{
    const QRect area = alignRect();
    for (TControl* c : children_)
        if (c->align_ == TAlign::Client)
            c->setBounds(area.x(), area.y(), area.width(), area.height());
}

void TControl::resized()
{
    // Called from Qt's event delivery, which no failure may unwind through.
    EventBoundary::run([this] { sizeChanged(); });
}

}  // namespace brindolo
