// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What would go wrong with a word in a game, judged from its picture's name
// and header alone: the folder check prints these findings, and the word-list
// editor marks its words with them, so that both say the same.

#include <string>
#include <vector>

namespace brindolo {

// Warn about pictures above this many pixels on a side: the frame shows
// them scaled down, and they are slow to show and to check.
inline constexpr int kLargestUsefulSide = 2000;

// What a finding is about, so that a window can say it in its own language.
enum class FindingKind {
    Other,        // values: none; text is all there is to say
    NoJpgEnding,  // values: the word the whole name gives
    NoWord,
    NotUtf8,
    TooLong,      // values: the word's letters, the most a tile shows
    TooLarge,     // values: width, height, the largest useful side
    SameWord,     // values: the first picture's name
    EmptyFile,
    Unreadable,   // values: the reader's message
    Recording,    // values: why the recording cannot be played
};

struct WordFinding {
    bool error = false;  // the game cannot show it, or its word is wrong; otherwise a warning
    std::string text;    // in English, as the folder check prints it
    FindingKind kind = FindingKind::Other;
    std::vector<std::string> values = {};  // what text names, in the order FindingKind lists
};

// The findings on a game word's file name (theme/gatto.jpg): no word, a word
// that is the whole name, a name that is not UTF-8, a word too long for a tile.
std::vector<WordFinding> nameFindings(const std::string& gameWord);

// The warning on a picture larger than kLargestUsefulSide on a side, if it is.
std::vector<WordFinding> sizeFindings(int width, int height);

// The warning on a picture whose word another picture (firstName) gives too.
WordFinding sameWordFinding(const std::string& firstName);

}  // namespace brindolo
