// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The automatic drag, carried out inside the process. Qt's own QDrag goes
// through the platform's drag and drop, which has no offscreen form and
// hands back control only when the drop is over; the game needs neither.
//
// Pressing the left button on an enabled automatic source starts the drag at
// once. The source grabs the mouse, so no other control sees a mouse event
// (and so nothing is hovered) until the button is released. On every move the
// enabled control under the pointer is asked whether it takes the source; the
// cursor shows the answer and a small label with the source's text follows
// the pointer. Releasing over a control that takes it calls its drop hook;
// releasing over the source itself, wherever the pointer went in between, is
// a click on the source; releasing anywhere else ends the drag with no call.

#include "widgets/tcontrol.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>

class QLabel;

namespace brindolo {

enum class TDragMode { Manual, Automatic };

// The hooks of a control that drags may be dropped on.
class DragTarget {
public:
    virtual ~DragTarget() = default;
    // Asked while a drag moves over the control: true takes the source.
    std::function<bool(TControl& source)> OnDragOver;
    // Called when a drag the control takes is released over it.
    std::function<void(TControl& source)> OnDragDrop;
};

class DragController : public QObject {
public:
    static DragController& instance();

    // Starts dragging source from the global pointer position; label is the
    // text shown beside the pointer, clicked what a release over the source
    // calls.
    void begin(TControl& source, const QString& label, QPoint globalPos, std::function<void()> clicked = {});
    // Ends a drag under way without a drop.
    void cancel();

    bool dragging() const { return source_ != nullptr; }
    TControl* source() const { return source_; }
    // The control the pointer was last over and whether it took the source.
    TControl* target() const { return target_; }
    bool accepted() const { return accepted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DragController() = default;
    void moveTo(QPoint globalPos);
    void release(QPoint globalPos);
    void end();
    // The enabled, visible control of ours under the pointer, if any.
    static TControl* controlAt(QPoint globalPos);

    TControl* source_ = nullptr;
    QPointer<QWidget> sourceWidget_;
    bool sourceWasTransparent_ = false;
    TControl* target_ = nullptr;
    bool accepted_ = false;
    QPointer<QLabel> image_;
    std::function<void()> clicked_;
};

}  // namespace brindolo
