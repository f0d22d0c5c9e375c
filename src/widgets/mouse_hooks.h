// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The mouse events a control of ours hands on to the window.

#include <QMouseEvent>
#include <functional>

namespace brindolo {

// Mouse hooks shared by the controls that take them. OnClick also answers
// Space and Enter while the control has the keyboard focus.
struct MouseHooks {
    std::function<void(QMouseEvent&)> OnMouseDown;
    std::function<void(QMouseEvent&)> OnMouseMove;
    std::function<void(QMouseEvent&)> OnMouseUp;
    std::function<void()> OnClick;
};

}  // namespace brindolo
