// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Says the game's words aloud: a word as it is found, and the previewed
// word when the child asks for it, in the language of the word list. The
// voice box turns it off; the box is greyed out while no voice speaks that
// language, and shows the player's last choice again once one does. A word
// the teacher recorded beside its picture (gatto.ogg) is played instead of
// the synthetic voice, which still speaks when the recording cannot play.

#include "speech/recording_player.h"
#include "speech/speaker.h"

#include <QString>

class QCheckBox;

namespace brindolo {

class WordVoice {
public:
    // muted: the box starts unticked (--mute). Without recordings, every
    // word is spoken.
    WordVoice(Speaker& speaker, QCheckBox& box, bool muted, RecordingPlayer* recordings = nullptr);
    ~WordVoice();
    WordVoice(const WordVoice&) = delete;
    WordVoice& operator=(const WordVoice&) = delete;

    // The language of the words dealt from now on, and the praise said in
    // it after the tenth word.
    void setLanguage(const QString& language, const QString& praise);
    // The speaker has learnt which voices it has; until then the box shows
    // the player's choice, so that a voice that comes up late is not
    // greyed out for a moment.
    void voicesKnown();
    // The player ticked or unticked the box.
    void boxClicked();

    // picture: the word's picture, whose recording is played if there is one.
    void say(const QString& word, const QString& picture = {});
    // A word found; the tenth is followed by the praise.
    void sayFound(const QString& word, bool gameOver, const QString& picture = {});
    // A word is being said or played now.
    bool speaking() const;

private:
    void sayOrPlay(const QString& word, const QString& picture, const QString& praise);
    bool canSpeak() const;
    void showBox();

    Speaker& speaker_;
    RecordingPlayer* recordings_;
    QCheckBox& box_;
    QString language_;
    QString praise_;
    bool wanted_;
    bool voicesKnown_ = false;
};

}  // namespace brindolo
