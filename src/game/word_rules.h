// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The word rules every part of the game applies: stems, letter case, the
// anagram key, the hint and where a word's picture lies. A character is one
// code point of UTF-8 (a byte that is not UTF-8 counts as one character).

#include <string>
#include <string_view>

namespace brindolo {

// The most characters a tile or a slot shows whole at the window's design
// size: 16-pixel bold Courier New, 9.6 pixels a character, in the 167
// pixels inside a tile's border.
inline constexpr int kTileCharacters = 17;

// The text before the first occurrence of part (exact bytes, case-sensitive);
// the whole text when part does not occur.
std::string TextBefore(std::string_view text, std::string_view part);

// A game word is a picture's file name, led by its theme's folder
// ("animali/gatto.jpg") when it comes from a theme; the folder is never
// part of the word. The file name: what follows the last "/".
std::string_view fileNameOf(std::string_view gameWord);
// The word a picture file name spells: its name before the first ".jpg".
// CAT.JPG keeps its whole name, since the comparison heeds case.
std::string wordStem(std::string_view gameWord);
// The characters of the word the game word spells.
int wordLength(std::string_view gameWord);

// The game's case conversions: each character on its own, by Unicode's
// simple one-to-one mapping, so città becomes CITTÀ and a word keeps its
// number of characters (ß stays ß). Bytes that are not UTF-8 stay.
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);
// The form two texts share when they differ only in letter case, whichever
// of the two conversions either went through: small letters, then capitals
// (İ and I, or ẞ and ß, end up alike, which capitals alone would not).
std::string caseInsensitiveForm(std::string_view text);
// Capitals when the case box is checked, small letters otherwise.
std::string Recase(std::string_view text, bool capitals);

// The stem's characters in the sorted-list order, case ignored, duplicates
// kept, each keeping its own case: Banana.jpg gives aaaBnn.
std::string AnagramKey(std::string_view gameWord);

// The hint before recasing: the word's first character and five underscores.
std::string rawHintText(std::string_view gameWord);
// The hint as shown: rawHintText recased.
std::string HintText(std::string_view gameWord, bool capitals);

// The picture folder inside the program folder, ending with "/".
std::string programPictureFolder(std::string_view programFolder);
// Where a game word's picture lies in the folder its catalogue came from. An
// empty word names the folder itself, whose load then fails.
std::string picturePathFor(std::string_view pictureFolder, std::string_view gameWord);

}  // namespace brindolo
