// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real voice: Qt TextToSpeech, which on Debian reaches espeak-ng through
// speech-dispatcher. Connecting to the speech daemon (and spawning it) and
// listing its voices takes seconds, so the engine lives on a thread of its
// own and is only started on request: the window never waits for it.

#include "speech/speaker.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <optional>

class QTextToSpeech;
class QThread;

namespace brindolo {

// The engine's side of the speaker: lives on the speaker's thread with the
// engine, and touches only what it owns, so that it may outlive the speaker.
class SpeechEngineHome : public QObject {
    Q_OBJECT
public:
    // Starts the default engine, if any, and tells its voices.
    void start();
    // utterance: the speaker's number for the text, told back once it is over.
    void say(const QString& text, const QLocale& locale, int utterance);

signals:
    // unavailableReason is empty when locales can be spoken.
    void voicesRead(const QList<QLocale>& locales, const QString& unavailableReason);
    // The utterance has been said, cut short, or could not be said.
    void utteranceOver(int utterance);

private:
    void readVoices();
    void followState(int state);

    QTextToSpeech* engine_ = nullptr;
    int utterance_ = 0;
    // The engine has begun to speak the utterance: the ready state that
    // follows ends it, and not the one left over from the text cut short.
    bool begun_ = false;
};

class TextToSpeechSpeaker : public QObject, public Speaker {
    Q_OBJECT
public:
    TextToSpeechSpeaker();
    ~TextToSpeechSpeaker() override;

    // Starts the default engine in the background; without one, or when it
    // fails, the speaker stays silent. Emits voicesChanged once the engine's
    // voices are known, and again whenever they change.
    void start();
    // Why nothing can be said, for a caller that wants to tell; empty once a
    // working engine has listed its voices.
    QString unavailableReason() const { return unavailableReason_; }
    // Ends the engine's thread, waiting for it a second at most; false when
    // it is still inside the engine then (a daemon that does not answer).
    // The speaker says nothing more afterwards.
    bool finish();

    bool canSpeak(const QString& language) const override;
    void say(const QString& text, const QString& language) override;
    bool speaking() const override { return speaking_; }

signals:
    void voicesChanged();

private:
    // The engine's locale that speaks the language, or none.
    std::optional<QLocale> localeFor(const QString& language) const;

    // Owned, except by a speech daemon that never answers (see the
    // destructor).
    QThread* thread_;
    SpeechEngineHome* home_;
    // The engine's locales, asked once, since each question goes to the
    // daemon.
    QList<QLocale> locales_;
    // finish() has waited for the thread once.
    bool waited_ = false;
    // The number of the last text given to the engine, and whether the
    // engine is still on it.
    int utterances_ = 0;
    bool speaking_ = false;
    QString unavailableReason_ = QStringLiteral("the speech engine was not started");
};

}  // namespace brindolo
