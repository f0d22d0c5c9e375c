// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/word_voice.h"

#include <QCheckBox>

namespace brindolo {

WordVoice::WordVoice(Speaker& speaker, QCheckBox& box, bool muted) : speaker_(speaker), box_(box), wanted_(!muted)
{
    showBox();
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

void WordVoice::say(const QString& word)
{
    if (wanted_ && canSpeak() && !word.isEmpty())
        speaker_.say(word, language_);
}

// One utterance: a second one would cut the word short.
void WordVoice::sayFound(const QString& word, bool gameOver)
{
    if (!gameOver)
        say(word);
    else
        say(word.isEmpty() ? praise_ : word + QStringLiteral(". ") + praise_);
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
