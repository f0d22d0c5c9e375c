// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Words and theme names as the game needs them. A word is saved as
// WORD.jpg, and the game shows what comes before ".jpg" in a tile of
// kTileCharacters characters; a theme is a folder of the list.

#include <string>
#include <string_view>

namespace brindolo {

// The word a text gives, mended as the game would need it: stray bytes read
// as Latin-1, control characters, "/" and ".jpg" taken out, small letters,
// no leading dot or blank, at most kTileCharacters characters. Empty when
// nothing is left.
std::string mendedWord(std::string_view text);

// The word proposed for a picture file: its name without the folder and the
// last extension, mended (Photos/Gatto Nero.PNG gives "gatto nero").
std::string proposedWord(std::string_view pictureFile);

// The picture's file name for a word: the word and ".jpg".
std::string pictureFileName(std::string_view word);

// Why name cannot be a theme's folder (empty, hidden, a "/", a control
// character, not UTF-8, or named like a picture); empty when it can.
std::string themeNameProblem(std::string_view name);

}  // namespace brindolo
