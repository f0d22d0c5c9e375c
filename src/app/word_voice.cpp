// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/word_voice.h"

#include "speech/recording_files.h"

#include <QCheckBox>

namespace brindolo {

WordVoice::WordVoice(Speaker& speaker, QCheckBox& box, bool muted, RecordingPlayer* recordings)
    : speaker_(speaker), recordings_(recordings), box_(box), wanted_(!muted)
{
    showBox();
}

// A recording still playing would tell a voice that is gone.
WordVoice::~WordVoice()
{
    if (recordings_)
        recordings_->stop();
}

void WordVoice::setLanguage(const QString& language, const QString& praise)
{
    language_ = language;
    praise_ = praise;
    showBox();
}

void WordVoice::voicesKnown()
{
    voicesKnown_ = true;
    showBox();
}

void WordVoice::boxClicked()
{
    wanted_ = box_.isChecked();
}

void WordVoice::say(const QString& word, const QString& picture)
{
    sayOrPlay(word, picture, {});
}

void WordVoice::sayFound(const QString& word, bool gameOver, const QString& picture)
{
    sayOrPlay(word, picture, gameOver ? praise_ : QString());
}

// One utterance: a second one would cut the word short. The praise follows
// a recording once it has played.
void WordVoice::sayOrPlay(const QString& word, const QString& picture, const QString& praise)
{
    if (!wanted_ || !canSpeak())
        return;
    const QString spoken = praise.isEmpty() || word.isEmpty() ? word + praise : word + QStringLiteral(". ") + praise;
    const QString recording = recordings_ && !word.isEmpty() && !picture.isEmpty() ? recordingFor(picture) : QString();
    if (recording.isEmpty()) {
        if (recordings_)
            recordings_->stop();
        if (!spoken.isEmpty())
            speaker_.say(spoken, language_);
        return;
    }
    recordings_->play(recording, [this, spoken, praise, language = language_](bool played) {
        if (!played)
            speaker_.say(spoken, language);
        else if (!praise.isEmpty())
            speaker_.say(praise, language);
    });
}

bool WordVoice::speaking() const
{
    return speaker_.speaking() || (recordings_ && recordings_->playing());
}

bool WordVoice::canSpeak() const
{
    return !voicesKnown_ || speaker_.canSpeak(language_);
}

void WordVoice::showBox()
{
    const bool available = canSpeak();
    box_.setEnabled(available);
    box_.setChecked(wanted_ && available);
}

}  // namespace brindolo
