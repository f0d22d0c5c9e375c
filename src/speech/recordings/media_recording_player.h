// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real recording player: Qt Multimedia, which on Debian plays through
// GStreamer on the default audio output. It lives in the recordings module
// (recordings_module.h), which only the first recording played loads.

#include "speech/recording_player.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

namespace brindolo {

class MediaRecordingPlayer : public QObject, public RecordingPlayer {
    Q_OBJECT
public:
    MediaRecordingPlayer();
    ~MediaRecordingPlayer() override;

    void play(const QString& path, Done done) override;
    void stop() override;
    bool playing() const override { return static_cast<bool>(done_); }

private:
    void makePlayer();
    void finish(bool played);

    // Made for the first recording played.
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    QString path_;
    Done done_;
};

}  // namespace brindolo
