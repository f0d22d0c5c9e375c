// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/drag_controller.h"

#include "widgets/event_boundary.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

namespace brindolo {

namespace {

// Where the label sits from the pointer: near enough to read as "carried",
// far enough not to hide the slot being aimed at.
constexpr QPoint kImageOffset{12, 12};

}  // namespace

DragController& DragController::instance()
{
    static DragController controller;
    return controller;
}

void DragController::begin(TControl& source, const QString& label, QPoint globalPos, std::function<void()> clicked)
{
    cancel();
    source_ = &source;
    clicked_ = std::move(clicked);
    sourceWidget_ = &source.widget();
    // The source must not hide what lies under the pointer from widgetAt().
    sourceWasTransparent_ = sourceWidget_->testAttribute(Qt::WA_TransparentForMouseEvents);
    sourceWidget_->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    sourceWidget_->installEventFilter(this);
    sourceWidget_->grabMouse();
    QApplication::setOverrideCursor(Qt::ForbiddenCursor);
    EventBoundary::setCanceller([this] { cancel(); });

    QWidget* window = sourceWidget_->window();
    image_ = new QLabel(label, window);
    image_->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    image_->setFont(sourceWidget_->font());
    image_->setFrameStyle(QFrame::Box | QFrame::Plain);
    image_->setAutoFillBackground(true);
    image_->setMargin(2);
    image_->adjustSize();
    image_->setVisible(!label.isEmpty());
    image_->raise();

    moveTo(globalPos);
}

void DragController::cancel()
{
    if (dragging())
        end();
}

bool DragController::eventFilter(QObject* watched, QEvent* event)
{
    if (!dragging() || watched != sourceWidget_)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        moveTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            release(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

TControl* DragController::controlAt(QPoint globalPos)
{
    TControl* control = nullptr;
    for (QWidget* w = QApplication::widgetAt(globalPos); w && !control; w = w->parentWidget())
        control = dynamic_cast<TControl*>(w);
    // A disabled control takes no drag: the drag is over whatever enabled
    // container holds it.
    while (control && !(control->widget().isEnabled() && control->widget().isVisible()))
        control = control->parentControl();
    return control;
}

void DragController::moveTo(QPoint globalPos)
{
    if (image_)
        image_->move(image_->parentWidget()->mapFromGlobal(globalPos) + kImageOffset);

    target_ = controlAt(globalPos);
    accepted_ = false;
    auto* hooks = dynamic_cast<DragTarget*>(target_);
    if (hooks && hooks->OnDragOver) {
        TControl& source = *source_;
        bool accept = false;
        if (!EventBoundary::run([&] { accept = hooks->OnDragOver(source); }))
            return;  // the boundary has already ended the drag
        accepted_ = accept;
    }
    QApplication::changeOverrideCursor(accepted_ ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void DragController::release(QPoint globalPos)
{
    moveTo(globalPos);
    if (!dragging())
        return;
    TControl& source = *source_;
    auto* hooks = accepted_ ? dynamic_cast<DragTarget*>(target_) : nullptr;
    const QWidget& sourceWidget = source.widget();
    const bool overSource = sourceWidget.rect().contains(sourceWidget.mapFromGlobal(globalPos));
    const std::function<void()> clicked = std::move(clicked_);
    end();
    if (hooks && hooks->OnDragDrop)
        EventBoundary::run([&] { hooks->OnDragDrop(source); });
    else if (overSource && clicked)
        EventBoundary::run(clicked);
}

void DragController::end()
{
    EventBoundary::setCanceller(nullptr);
    if (sourceWidget_) {
        sourceWidget_->removeEventFilter(this);
        if (QWidget::mouseGrabber() == sourceWidget_)
            sourceWidget_->releaseMouse();
        sourceWidget_->setAttribute(Qt::WA_TransparentForMouseEvents, sourceWasTransparent_);
    }
    delete image_;
    QApplication::restoreOverrideCursor();
    source_ = nullptr;
    sourceWidget_ = nullptr;
    clicked_ = nullptr;
    target_ = nullptr;
    accepted_ = false;
}

}  // namespace brindolo
