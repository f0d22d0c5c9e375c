// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/text_to_speech_speaker.h"

#include "system/language_names.h"
#include "system/logging.h"

#include <QDeadlineTimer>
#include <QTextToSpeech>
#include <QThread>

namespace brindolo {

void SpeechEngineHome::start()
{
    if (!QTextToSpeech::availableEngines().isEmpty()) {
        engine_ = new QTextToSpeech(this);
        connect(engine_, &QTextToSpeech::stateChanged, this,
                [this](QTextToSpeech::State state) { followState(state); });
        connect(engine_, &QTextToSpeech::errorOccurred, this,
                [](QTextToSpeech::ErrorReason, const QString& text) { qCInfo(lcSpeech) << "engine:" << text; });
    }
    readVoices();
}

void SpeechEngineHome::readVoices()
{
    QList<QLocale> locales;
    QString reason;
    // The engine starts on the process's locale and reports a configuration
    // error when it has no voice for it, as for the C locale of a minimal
    // session; each word sets its own language anyway, so only an error of
    // another kind, or no voice at all, silences the engine.
    if (!engine_)
        reason = QStringLiteral("no speech engine is installed");
    else if (engine_->state() == QTextToSpeech::Error
             && engine_->errorReason() != QTextToSpeech::ErrorReason::Configuration)
        reason = engine_->errorString().isEmpty() ? QStringLiteral("the speech engine failed") : engine_->errorString();
    else if (locales = engine_->availableLocales(); locales.isEmpty())
        reason = QStringLiteral("the speech engine has no voice");
    if (!reason.isEmpty()) {
        locales.clear();
        qCInfo(lcSpeech) << "silent:" << reason;
    } else if (engine_->state() == QTextToSpeech::Error) {
        qCInfo(lcSpeech) << "speaking all the same after:" << engine_->errorString();
    }
    emit voicesRead(locales, reason);
}

void SpeechEngineHome::followState(int state)
{
    // The speech-dispatcher engine may only learn later that its daemon
    // failed. Speaking and being ready again leave the voices as they were.
    if (state == QTextToSpeech::Error)
        readVoices();
    if (state == QTextToSpeech::Speaking) {
        begun_ = true;
    } else if (begun_ || state == QTextToSpeech::Error) {
        begun_ = false;
        emit utteranceOver(utterance_);
    }
}

void SpeechEngineHome::say(const QString& text, const QLocale& locale, int utterance)
{
    if (engine_ && engine_->locale() != locale)
        engine_->setLocale(locale);
    if (!engine_ || engine_->locale() != locale) {
        if (engine_)
            qCInfo(lcSpeech) << "no voice taken for" << locale.name() << "to say" << text;
        emit utteranceOver(utterance);
        return;
    }
    // A new word replaces one still being said rather than queueing behind
    // it; the word cut short is told over as the one it was.
    engine_->stop();
    utterance_ = utterance;
    begun_ = false;
    engine_->say(text);
}

TextToSpeechSpeaker::TextToSpeechSpeaker() : thread_(new QThread), home_(new SpeechEngineHome)
{
    home_->moveToThread(thread_);
    // The engine goes with its home, on its own thread, once that stops.
    connect(thread_, &QThread::finished, home_, &QObject::deleteLater);
    connect(home_, &SpeechEngineHome::voicesRead, this, [this](const QList<QLocale>& locales, const QString& reason) {
        locales_ = locales;
        unavailableReason_ = reason;
        emit voicesChanged();
    });
    connect(home_, &SpeechEngineHome::utteranceOver, this, [this](int utterance) {
        if (utterance == utterances_)
            speaking_ = false;
    });
}

TextToSpeechSpeaker::~TextToSpeechSpeaker()
{
    if (!thread_->isRunning() && !thread_->isFinished())
        delete home_;
    if (finish())
        delete thread_;
}

bool TextToSpeechSpeaker::finish()
{
    locales_.clear();
    speaking_ = false;
    if (!thread_->isRunning())
        return true;
    thread_->quit();
    // The engine may still be starting, or the daemon may never answer: a
    // closed game must end all the same. The thread and the engine are then
    // left to the end of the process; they touch nothing of this speaker.
    const bool finished = thread_->wait(QDeadlineTimer(waited_ ? 0 : 1000));
    if (!finished && !waited_)
        qCInfo(lcSpeech) << "the speech engine did not end in time";
    waited_ = true;
    return finished;
}

void TextToSpeechSpeaker::start()
{
    if (thread_->isRunning())
        return;
    thread_->start();
    QMetaObject::invokeMethod(home_, &SpeechEngineHome::start);
}

std::optional<QLocale> TextToSpeechSpeaker::localeFor(const QString& language) const
{
    const QLocale::Language wanted = languageNamed(language);
    if (wanted == QLocale::AnyLanguage)
        return std::nullopt;
    // Prefer the language's main country (it_IT over it_CH), else any.
    const QLocale usual(wanted);
    std::optional<QLocale> found;
    for (const QLocale& locale : locales_) {
        if (locale.language() != wanted)
            continue;
        if (locale.territory() == usual.territory())
            return locale;
        if (!found)
            found = locale;
    }
    return found;
}

bool TextToSpeechSpeaker::canSpeak(const QString& language) const
{
    return localeFor(language).has_value();
}

void TextToSpeechSpeaker::say(const QString& text, const QString& language)
{
    const auto locale = localeFor(language);
    if (!locale)
        return;
    speaking_ = true;
    QMetaObject::invokeMethod(home_, [home = home_, text, locale = *locale, utterance = ++utterances_] {
        home->say(text, locale, utterance);
    });
}

}  // namespace brindolo
