// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A speaker with voices for the languages it is given, which keeps every
// request to speak instead of saying it; and a recording player that keeps
// every request to play, each finished when the test says.

#include "speech/recording_player.h"
#include "speech/speaker.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace brindolo {

class RecordingSpeaker : public Speaker {
public:
    using Utterance = std::pair<QString, QString>;  // text, language

    bool canSpeak(const QString& language) const override { return voices.contains(language, Qt::CaseInsensitive); }
    void say(const QString& text, const QString& language) override { said.emplace_back(text, language); }
    bool speaking() const override { return talking; }

    QStringList voices;
    std::vector<Utterance> said;
    // What speaking() tells, as the test sets it.
    bool talking = false;
};

class RecordingPlayerDouble : public RecordingPlayer {
public:
    void play(const QString& path, Done done) override
    {
        played.push_back(path);
        done_ = std::move(done);
    }
    void stop() override { done_ = nullptr; }
    bool playing() const override { return static_cast<bool>(done_); }
    // The recording playing comes to its end, or fails.
    void finish(bool played)
    {
        if (done_)
            std::exchange(done_, nullptr)(played);
    }

    QStringList played;

private:
    Done done_;
};

}  // namespace brindolo
