// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader hears of the board, in the interface language: each
// tile and slot by its row and letters (or as empty), the found counter as
// one sentence, the flag as the language choice, the case box by what it
// does. Buttons, the hint bar and the other captions speak for themselves.

#include "i18n/spoken_words.h"

#include <functional>
#include <optional>

namespace brindolo {

class TPrincipale;

class BoardSpeech {
public:
    explicit BoardSpeech(TPrincipale& window);

    // The interface language has changed: the names are read again from the
    // new language file, and the screen reader is told.
    void languageChanged();

private:
    // Read when a screen reader first asks, not at start-up.
    const SpokenWords& words();
    QString numbered(const QString& word, int row, const QString& text);

    TPrincipale& window_;
    std::optional<SpokenWords> words_;
};

}  // namespace brindolo
