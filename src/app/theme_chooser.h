// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The theme drop-down: shown while the word list the next game reads has
// themes, its first line the whole list, then each theme by its folder's
// name. The line it shows is the theme the next game deals from.

#include "i18n/spoken_words.h"

#include <QString>
#include <string>
#include <vector>

namespace brindolo {

class Game;
class TCustomComboBox;

class ThemeChooser {
public:
    ThemeChooser(TCustomComboBox& box, Game& game);

    // Lists the themes of folder, the word list the next game reads, under
    // the whole list's line, with the names of the interface language (the
    // screen reader hears the drop-down as "theme"); the chosen theme stays
    // chosen when folder has it, otherwise the whole list is.
    void listThemes(const std::string& folder, const SpokenWords& words);
    // The drop-down's text changed: a theme's name chooses that theme, any
    // other text the whole list.
    void textChanged();

private:
    TCustomComboBox& box_;
    Game& game_;
    std::vector<std::string> themes_;  // the file system's bytes
};

}  // namespace brindolo
