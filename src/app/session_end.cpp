// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/session_end.h"

#include "system/file_errors.h"
#include "system/logging.h"
#include "widgets/event_boundary.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace brindolo {

namespace {

// The pipe's writing end for the handler; -1 while no SessionEnd lives.
volatile std::sig_atomic_t signalWriter = -1;

extern "C" void noteSignal(int number)
{
    const int saved = errno;
    const char byte = static_cast<char>(number);
    // A full pipe already holds a signal that ends the game.
    [[maybe_unused]] const ssize_t written = ::write(signalWriter, &byte, 1);
    errno = saved;
}

}  // namespace

SessionEnd::SessionEnd(std::function<void()> end, std::function<void()> release)
    : end_(std::move(end)), release_(std::move(release))
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcEvents, "no pipe for the signals that end the game: %s", errorText(errno).c_str());
    } else {
        reader_ = std::make_unique<FileDescriptor>(ends[0]);
        writer_ = std::make_unique<FileDescriptor>(ends[1]);
        signalWriter = ends[1];
        notifier_ = new QSocketNotifier(reader_->get(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            char byte = 0;
            while (::read(reader_->get(), &byte, 1) == 1)
                qCDebug(lcEvents, "signal %d ends the game", byte);
            endOnce();
        });
        struct sigaction action {};
        action.sa_handler = noteSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_RESETHAND;
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
            ::sigaction(kEndingSignals[i], nullptr, &before_[i]);
            // A signal ignored by whoever started the game (nohup) stays ignored.
            if (before_[i].sa_handler != SIG_IGN)
                ::sigaction(kEndingSignals[i], &action, nullptr);
        }
    }
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::commitDataRequest, this, [this] {
            if (release_)
                EventBoundary::run(release_);
        });
        connect(application, &QCoreApplication::aboutToQuit, this, [this] { endOnce(); });
    }
}

SessionEnd::~SessionEnd()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
        ::sigaction(kEndingSignals[i], &before_[i], nullptr);
    signalWriter = -1;
    // Before its pipe is closed.
    delete notifier_;
}

void SessionEnd::endOnce()
{
    if (ended_)
        return;
    ended_ = true;
    EventBoundary::run(end_);
}

}  // namespace brindolo
