// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/voice_recorder.h"

#include "system/errors.h"
#include "system/logging.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

namespace brindolo {

namespace {

constexpr int levelMilliseconds = 50;

QAudioFormat monoFormat(int sampleRate)
{
    QAudioFormat format;
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    format.setSampleRate(sampleRate);
    return format;
}

// 16-bit mono at the rate the device prefers, or else a usual one it takes.
std::optional<QAudioFormat> recordingFormat(const QAudioDevice& device)
{
    for (const int rate : {device.preferredFormat().sampleRate(), 48000, 44100, 32000, 22050, 16000}) {
        const QAudioFormat format = monoFormat(rate);
        if (rate > 0 && device.isFormatSupported(format))
            return format;
    }
    return std::nullopt;
}

QString describe(QAudio::Error error)
{
    switch (error) {
    case QAudio::OpenError:
        return QStringLiteral("it cannot be opened");
    case QAudio::IOError:
        return QStringLiteral("it stopped giving sound");
    case QAudio::UnderrunError:
        return QStringLiteral("its sound came too slowly");
    case QAudio::FatalError:
        return QStringLiteral("the sound system failed");
    case QAudio::NoError:
        break;
    }
    return QStringLiteral("it stopped");
}

}  // namespace

VoiceRecorder::VoiceRecorder(QObject* parent)
    : QObject(parent), devices_(new QMediaDevices(this)), limit_(new QTimer(this))
{
    limit_->setSingleShot(true);
    // A coarse timer may end the recording 5% early, cutting off a word.
    limit_->setTimerType(Qt::PreciseTimer);
    limit_->setInterval(longestMilliseconds);
    connect(limit_, &QTimer::timeout, this, &VoiceRecorder::stop);
    connect(devices_, &QMediaDevices::audioInputsChanged, this, &VoiceRecorder::availabilityChanged);
}

// Torn down untold: a recorder going away says nothing.
VoiceRecorder::~VoiceRecorder()
{
    if (input_)
        input_->disconnect(this);
    if (source_)
        source_->disconnect(this);
    if (sink_)
        sink_->disconnect(this);
}

QString VoiceRecorder::unavailableReason() const
{
    if (QMediaDevices::audioInputs().isEmpty())
        return QStringLiteral("No microphone was found: plug one in to record the words.");
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return QStringLiteral("No microphone is chosen as the default input in the system's sound settings.");
    if (!recordingFormat(device))
        return QStringLiteral("The microphone \"%1\" cannot record 16-bit sound.").arg(device.description());
    return {};
}

void VoiceRecorder::start()
{
    stop();
    discard();
    const QString reason = unavailableReason();
    if (!reason.isEmpty())
        throw Exception(reason.toStdString());
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    const QAudioFormat format = *recordingFormat(device);
    source_.reset(new QAudioSource(device, format));
    // Small fragments, or the sound server hands the samples over in
    // seconds-long blocks: the meter would lag and Stop would lose the end.
    source_->setBufferSize(format.bytesForDuration(levelMilliseconds * 1000));
    input_ = source_->start();
    if (!input_ || source_->error() != QAudio::NoError) {
        const QString why = describe(source_->error());
        source_.reset();
        input_ = nullptr;
        throw Exception(
            QStringLiteral("The microphone \"%1\" cannot record: %2.").arg(device.description(), why).toStdString());
    }
    sampleRate_ = format.sampleRate();
    recorded_.reserve(std::size_t(sampleRate_) * (longestMilliseconds + 1000) / 1000);
    levelFrom_ = 0;
    connect(input_, &QIODevice::readyRead, this, &VoiceRecorder::readSamples);
    connect(source_.get(), &QAudioSource::stateChanged, this,
            [this, device, source = QPointer<QAudioSource>(source_.get())](QAudio::State state) {
                if (state != QAudio::StoppedState || source->error() == QAudio::NoError)
                    return;
                const QString problem = QStringLiteral("The microphone \"%1\" stopped: %2.")
                                            .arg(device.description(), describe(source->error()));
                // Finishing deletes the source, which cannot be done in its own signal.
                QMetaObject::invokeMethod(this, [this, source, problem] {
                    if (source && source == source_.get())
                        finishRecording(problem);
                }, Qt::QueuedConnection);
            });
    limit_->start();
}

bool VoiceRecorder::recording() const
{
    return source_ != nullptr;
}

void VoiceRecorder::readSamples()
{
    if (!input_)
        return;
    // The source's device tells no bytesAvailable(): it is read out whole,
    // in whole frames of the format asked for.
    const QByteArray bytes = input_->readAll();
    const std::size_t before = recorded_.size();
    recorded_.resize(before + std::size_t(bytes.size()) / 2);
    std::memcpy(recorded_.data() + before, bytes.constData(), (recorded_.size() - before) * 2);

    const std::size_t stretch = std::size_t(sampleRate_) * levelMilliseconds / 1000;
    if (recorded_.size() - levelFrom_ < stretch)
        return;
    int peak = 0;
    // Everything since the last level, so that a loud sound in a burst of
    // samples is not missed.
    for (auto at = recorded_.begin() + std::ptrdiff_t(levelFrom_); at != recorded_.end(); ++at)
        peak = std::max(peak, std::abs(int(*at)));
    levelFrom_ = recorded_.size();
    emit levelChanged(std::min(1.0, peak / 32767.0));
}

void VoiceRecorder::stop()
{
    if (!source_)
        return;
    readSamples();
    finishRecording({});
}

void VoiceRecorder::finishRecording(QString problem)
{
    limit_->stop();
    if (input_)
        input_->disconnect(this);
    input_ = nullptr;
    source_->disconnect(this);
    source_->stop();
    source_.reset();
    if (problem.isEmpty()) {
        take_ = trimSilence(recorded_, sampleRate_);
        if (take_.empty())
            problem = QStringLiteral("Nothing was heard: say the word louder or closer to the microphone.");
    }
    qCInfo(lcSpeech) << "recorded" << recorded_.size() << "samples at" << sampleRate_ << "Hz, kept"
                     << take_.samples.size() << (problem.isEmpty() ? QString() : problem);
    recorded_.clear();
    emit stopped(problem);
}

void VoiceRecorder::keep(const QString& path)
{
    if (take_.empty())
        throw Exception(QStringLiteral("There is no recording to keep.").toStdString());
    writeWav(QFile::encodeName(path).toStdString(), take_);
}

void VoiceRecorder::discard()
{
    stopPlaying();
    take_ = {};
}

void VoiceRecorder::play()
{
    if (take_.empty())
        throw Exception(QStringLiteral("There is no recording to play.").toStdString());
    stopPlaying();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        throw Exception(QStringLiteral("No sound output was found to play the recording on.").toStdString());
    sink_.reset(new QAudioSink(device, monoFormat(take_.sampleRate)));
    // The sink's child, so that it lives as long as the sink reads it.
    auto* bytes = new QBuffer(sink_.get());
    bytes->setData(reinterpret_cast<const char*>(take_.samples.data()), qsizetype(take_.samples.size() * 2));
    bytes->open(QIODevice::ReadOnly);
    connect(sink_.get(), &QAudioSink::stateChanged, this,
            [this, sink = QPointer<QAudioSink>(sink_.get())](QAudio::State state) {
                // Idle: everything was played.
                if (state != QAudio::IdleState && state != QAudio::StoppedState)
                    return;
                // Finishing deletes the sink, which cannot be done in its own signal.
                QMetaObject::invokeMethod(this, [this, sink] {
                    if (sink && sink == sink_.get())
                        finishPlayback();
                }, Qt::QueuedConnection);
            });
    sink_->start(bytes);
    if (sink_->error() != QAudio::NoError) {
        const QString why = describe(sink_->error());
        finishPlayback();
        throw Exception(QStringLiteral("The recording cannot be played on \"%1\": %2.")
                            .arg(device.description(), why)
                            .toStdString());
    }
}

void VoiceRecorder::stopPlaying()
{
    finishPlayback();
}

bool VoiceRecorder::playing() const
{
    return sink_ != nullptr;
}

void VoiceRecorder::finishPlayback()
{
    if (!sink_)
        return;
    sink_->disconnect(this);
    sink_->stop();
    sink_.reset();
    emit playbackFinished();
}

}  // namespace brindolo
