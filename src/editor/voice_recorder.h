// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Records a word from the default microphone for the word-list editor: at
// most five seconds, a level while recording, the silence around the word
// cut when it stops, and the take played back, kept as a WAV file or dropped.
//
// QAudioSource rather than QMediaRecorder: the level and the cut need the
// raw samples, which QAudioSource hands over as they come, while
// QMediaRecorder only writes an encoded file that would have to be read back.

#include "editor/voice_take.h"

#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QAudioSink;
class QAudioSource;
class QMediaDevices;
class QTimer;

namespace brindolo {

class VoiceRecorder : public QObject {
    Q_OBJECT
public:
    // A recording stops by itself after this long.
    static constexpr int longestMilliseconds = 5000;

    explicit VoiceRecorder(QObject* parent = nullptr);
    ~VoiceRecorder() override;

    // Empty when a microphone can record; otherwise a sentence saying why
    // not, for the disabled Record button's tooltip.
    QString unavailableReason() const;
    bool available() const { return unavailableReason().isEmpty(); }

    // Starts recording from the default microphone, dropping a take not kept
    // and stopping a playback. Throws Exception when the microphone cannot
    // be opened.
    void start();
    // Ends the recording (it also ends by itself after five seconds); then
    // stopped() tells how it went. Nothing when not recording.
    void stop();
    bool recording() const;

    // The last recording with its silence cut, until kept or discarded.
    bool hasTake() const { return !take_.empty(); }
    const VoiceTake& take() const { return take_; }

    // Writes the take as a WAV file at path (WORD.wav beside the picture),
    // whole or nothing: a file already there is replaced only once the new
    // one is whole. The take stays, to be played or kept again. Throws
    // Exception when there is no take or the file cannot be written.
    void keep(const QString& path);
    // Drops the take (and stops its playback).
    void discard();

    // Plays the take on the default output; playbackFinished() at its end.
    // Throws Exception when there is no take or it cannot be played.
    void play();
    void stopPlaying();
    bool playing() const;

signals:
    // While recording, about every 50 ms: the loudest sample since the last
    // level, 0 (silence) to 1 (full scale), for a level meter.
    void levelChanged(double level);
    // The recording ended. problem is empty when a take is ready; otherwise a
    // sentence for the user (nothing was heard, or the microphone failed).
    void stopped(const QString& problem);
    // The take played to its end or was stopped.
    void playbackFinished();
    // A microphone came or went: ask unavailableReason() again.
    void availabilityChanged();

private:
    void readSamples();
    void finishRecording(QString problem);
    void finishPlayback();

    QMediaDevices* devices_;
    QTimer* limit_;
    // Not this object's children: Qt 6.4 gives their inner device the same
    // parent, and deleting both as children crashes.
    std::unique_ptr<QAudioSource> source_;  // while recording
    QPointer<QIODevice> input_;             // the source's, which drops it on a failure
    std::unique_ptr<QAudioSink> sink_;      // while playing
    std::vector<std::int16_t> recorded_;
    int sampleRate_ = 0;
    std::size_t levelFrom_ = 0;  // first sample not yet in a level
    VoiceTake take_;
};

}  // namespace brindolo
