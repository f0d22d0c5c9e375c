// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The teacher's view of a results folder: one row per pupil's file
// (LOGIN.csv), then the words the class missed most, each pupil's words to
// practise and the class's mix-ups.

#include <cstdio>
#include <string>
#include <vector>

namespace brindolo {

// A pupil counted in the table, and their words to practise, the most
// recently missed first.
struct PupilPractice {
    std::string login;
    std::vector<std::string> words;
};

// Prints the table of folder's results to out, then each pupil's words to
// practise and the class's most frequent mix-ups; each line that cannot be
// read, as "FILE:LINE: why", and each file left out, as "FILE: skipped:
// why", go to err. Returns the number of such lines and files; throws
// EInOutError when the folder cannot be read. practice, when given, gets
// each counted pupil's words to practise.
int printClassSummary(const std::string& folder, std::FILE* out, std::FILE* err,
                      std::vector<PupilPractice>* practice = nullptr);

}  // namespace brindolo
