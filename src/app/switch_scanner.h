// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Switch access for players who cannot point or type: the keyboard focus
// steps by itself, at a steady beat, through what can be chosen now, and one
// or two switches play the game. The first switch (Space, Return, or a click
// anywhere on the window) chooses what has the focus, as that key does for a
// keyboard player, so the window's own handlers do the choosing; the second
// (Tab, or the right mouse button) steps on at once. The focus holds still
// while a word is being said, so that it is heard before the scan moves on.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <vector>

class QEvent;
class QWidget;

namespace brindolo {

class SwitchScanner : public QObject {
public:
    // What can be chosen now, in the order the scan visits it.
    using Choices = std::function<std::vector<QWidget*>()>;
    // Whether a word is being said now.
    using Speaking = std::function<bool()>;

    // A voice that never tells that it has finished holds the scan no longer.
    static constexpr int kLongestWait = 15000;

    // window: the window whose focus steps, and whose switches are read;
    // beat: the pace in milliseconds. The scan starts at once.
    SwitchScanner(QWidget& window, int beat, Choices choices, Speaking speaking);

    int beat() const { return beat_; }
    bool running() const { return timer_.isActive(); }

    // The timer's beat: the focus steps on, unless a word is being said.
    void beatElapsed();
    // The focus to the choice after the one it is on (the first after the
    // last, or when it is on none), and a full beat there.
    void stepOn();
    // The focus to the first choice, and a full beat there.
    void restart();
    // An event for one of the window's widgets: true when it was a switch
    // and the scan has dealt with it, so that nothing else takes it.
    bool takeSwitch(QEvent& event);

private:
    void choose();

    QWidget& window_;
    int beat_;
    Choices choices_;
    Speaking speaking_;
    QTimer timer_;
    // Since when the focus has waited for a word; invalid while none is said.
    QElapsedTimer waiting_;
};

}  // namespace brindolo
