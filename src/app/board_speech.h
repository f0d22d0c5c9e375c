// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a screen reader hears of the board, in the interface language: each
// tile and slot by its row and letters (or as empty), the found counter as
// one sentence, the flag as the language choice, the case box by what it
// does. Buttons, the hint bar and the other captions speak for themselves.

#include "game/board_map.h"
#include "game/game.h"
#include "i18n/spoken_words.h"

#include <array>
#include <optional>
#include <string>

class QWidget;

namespace brindolo {

class AccessibleNotice;
class TCheckBox;
class TCustomComboBox;
class TLanguage;
class TPanel;
class TShape;

// The parts of the window a screen reader is told about, and what their
// names are made of.
struct SpokenControls {
    QWidget& window;
    // Panel1 .. Panel35.
    std::array<TPanel*, board_map::kPanelCount> panels;
    TPanel& exit;
    TShape& flag;
    TCheckBox& capitals;
    TCheckBox& voice;
    // The interface language: the drop-down's text and the translator's file.
    TCustomComboBox& languages;
    TLanguage& translator;
    const Game& game;
    std::string programFolder;
};

class BoardSpeech {
public:
    explicit BoardSpeech(SpokenControls controls);

    // The interface language has changed: the names are read again from the
    // new language file, and the screen reader is told.
    void languageChanged();

    // The picked tile may have changed: a tile reads as picked while it is,
    // and one picked up, or put back still holding its letters, is told.
    void followPick();
    // A tile put on a slot: the word found and the count ("GATTO. Hai
    // trovato 1 parola."), with the praise after the tenth, or that the slot
    // is not the tile's.
    void dropped(const std::optional<Find>& found);
    // "Bravo!" in the interface language.
    QString praise() { return words().bravo; }
    const AccessibleNotice& notice() const { return *notice_; }

private:
    // Read when a screen reader first asks, not at start-up.
    const SpokenWords& words();
    QString numbered(const QString& word, int row, const QString& text);
    TPanel& panel(int number) const { return *controls_.panels.at(static_cast<size_t>(number - 1)); }
    // The application's locale is the one the screen reader is given as
    // the language of the names.
    void followLocale();

    SpokenControls controls_;
    std::optional<SpokenWords> words_;
    AccessibleNotice* notice_;
    int picked_ = 0;
};

}  // namespace brindolo
