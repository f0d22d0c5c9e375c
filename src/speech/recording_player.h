// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Plays a word the teacher recorded. The window plays through this
// interface only, so that tests can listen with a fake.

#include <QString>
#include <functional>

namespace brindolo {

class RecordingPlayer {
public:
    // Told true once the recording has played to its end, false when it
    // cannot be played (the caller then speaks the word instead).
    using Done = std::function<void(bool played)>;

    virtual ~RecordingPlayer() = default;

    // Plays the file, cutting short whatever is still playing, whose done is
    // then never told.
    virtual void play(const QString& path, Done done) = 0;
    // Cuts short whatever is playing, untold.
    virtual void stop() = 0;
    // True from play() until its done is told or it is stopped.
    virtual bool playing() const = 0;
};

}  // namespace brindolo
