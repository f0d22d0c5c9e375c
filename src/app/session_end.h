// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The desktop ending the game: a logout or a shutdown asks the program to
// save its data (QGuiApplication::commitDataRequest) before it asks it to
// quit, or sends SIGTERM; a closed terminal sends SIGHUP, Ctrl+C in it
// SIGINT. Each ends the game as ESCI would, even a locked one, whose window
// refuses only a pupil's close.
//
// A signal handler may do almost nothing, so it writes the signal's number
// to a pipe, and the event loop reads it and ends the game (Qt's own advice
// for Unix signals). The handler is reset by its first signal: a game that
// does not end then is ended by the second one, the system's way.

#include "system/file_descriptor.h"

#include <QObject>
#include <array>
#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace brindolo {

// The signals that end the game.
inline constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

class SessionEnd : public QObject {
public:
    // Calls end on the event loop, once, when a signal comes or the event
    // loop is about to quit; calls release when the session manager asks
    // for the program's data, after which it may ask the windows to close
    // (Qt asks that nothing quit then). Only one SessionEnd lives at a time.
    SessionEnd(std::function<void()> end, std::function<void()> release);
    ~SessionEnd() override;

    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

private:
    void endOnce();

    std::function<void()> end_;
    std::function<void()> release_;
    bool ended_ = false;
    std::unique_ptr<FileDescriptor> reader_;
    std::unique_ptr<FileDescriptor> writer_;
    QSocketNotifier* notifier_ = nullptr;
    // What each of kEndingSignals did before, put back at the end.
    std::array<struct sigaction, std::size(kEndingSignals)> before_{};
};

}  // namespace brindolo
