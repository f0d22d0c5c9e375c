// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/recordings/media_recording_player.h"

#include "system/logging.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <utility>

namespace brindolo {

MediaRecordingPlayer::MediaRecordingPlayer() = default;

// Qt Multimedia starts GStreamer, loads its plugins and looks for the audio
// outputs when its first player is made, which would hold up the window's
// first paint by about as long as the rest of the start: the first recording
// pays for it instead.
void MediaRecordingPlayer::makePlayer()
{
    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            finish(true);
        else if (status == QMediaPlayer::InvalidMedia)
            finish(false);
    });
    connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
        qCInfo(lcSpeech) << "recording" << path_ << "cannot be played:" << text;
        finish(false);
    });
}

MediaRecordingPlayer::~MediaRecordingPlayer() = default;

void MediaRecordingPlayer::play(const QString& path, Done done)
{
    stop();
    if (!player_)
        makePlayer();
    path_ = path;
    done_ = std::move(done);
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

void MediaRecordingPlayer::stop()
{
    done_ = nullptr;
    if (player_)
        player_->stop();
}

// Told once: an invalid file may bring both an error and its status.
void MediaRecordingPlayer::finish(bool played)
{
    if (!done_)
        return;
    if (!played)
        qCInfo(lcSpeech) << "recording" << path_ << "cannot be played; speaking instead";
    const Done done = std::exchange(done_, nullptr);
    done(played);
}

}  // namespace brindolo
