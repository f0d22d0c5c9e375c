// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The words a pupil is to practise: those missed in their games, until a
// later game dealt the word and the pupil found it.

#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

// How many of them a deal begins with.
inline constexpr int kPracticeWords = 5;

// The words to practise in the text of a pupil's results file, the most
// recently missed first (in slot order within a game). Lines that cannot be
// read are passed over.
std::vector<std::string> wordsToPractise(std::string_view resultsText);

// The words to practise of the user running the program, from their own
// file in the results folder, read as the class summary reads a file; none,
// with a warning, when that file is not theirs or cannot be read.
std::vector<std::string> practiceWords(const std::string& resultsFolder, const std::string& login);

}  // namespace brindolo
