// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/switch_scanner.h"

#include "widgets/controls.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace brindolo {

SwitchScanner::SwitchScanner(QWidget& window, int beat, Choices choices, Speaking speaking)
    : window_(window), beat_(beat), choices_(std::move(choices)), speaking_(std::move(speaking))
{
    connect(&timer_, &QTimer::timeout, this, &SwitchScanner::beatElapsed);
    timer_.start(beat_);
}

void SwitchScanner::beatElapsed()
{
    if (!speaking_()) {
        waiting_.invalidate();
    } else {
        if (!waiting_.isValid())
            waiting_.start();
        if (!waiting_.hasExpired(kLongestWait))
            return;
    }
    stepOn();
}

void SwitchScanner::stepOn()
{
    const std::vector<QWidget*> choices = choices_();
    if (!choices.empty()) {
        const auto now = std::find(choices.begin(), choices.end(), window_.focusWidget());
        QWidget* next = now == choices.end() || now + 1 == choices.end() ? choices.front() : *(now + 1);
        next->setFocus(Qt::TabFocusReason);
    }
    timer_.start(beat_);
}

void SwitchScanner::restart()
{
    if (const std::vector<QWidget*> choices = choices_(); !choices.empty())
        choices.front()->setFocus(Qt::TabFocusReason);
    timer_.start(beat_);
}

bool SwitchScanner::takeSwitch(QEvent& event)
{
    switch (event.type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        const bool second = key.key() == Qt::Key_Tab && !(key.modifiers() & ~Qt::KeypadModifier);
        if (!second && !isActivationKey(key))
            return false;
        // A switch held down repeats its key: one press is one choice.
        if (key.isAutoRepeat())
            return true;
        if (second) {
            stepOn();
            return true;
        }
        // What was chosen keeps the focus a full beat; the key goes on to it.
        timer_.start(beat_);
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        const Qt::MouseButton button = static_cast<const QMouseEvent&>(event).button();
        if (button != Qt::LeftButton && button != Qt::RightButton)
            return false;
        if (event.type() != QEvent::MouseButtonRelease)
            button == Qt::LeftButton ? choose() : stepOn();
        return true;
    }
    default:
        return false;
    }
}

// The key a keyboard player presses, so that the window's own handlers
// choose as they do for that player.
void SwitchScanner::choose()
{
    const QPointer<QWidget> focus = window_.focusWidget();
    if (!focus)
        return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QCoreApplication::sendEvent(focus, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    if (focus)
        QCoreApplication::sendEvent(focus, &release);
}

}  // namespace brindolo
