// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "--worksheet FILE", read with the rest of the command line: settled into a
// worksheet request and written with no window and no display.

#include "app/command_line.h"
#include "game/game.h"
#include "game/word_list.h"
#include "results/class_summary.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace brindolo {

// Writes the worksheet the command line asks for, from settings already
// resolved: language is a name from the list (empty for the Italian texts),
// capitals the letter case. Returns the exit status: 0 written, 1 no
// pictures or a file that cannot be written; messages go to stderr.
// first: the words the deal begins with, the pupil's to practise.
int runWorksheet(const WorksheetOptions& options, const WordListPlaces& places, const std::string& programFolder,
                 const QString& language, bool capitals, const std::string& theme = {}, int longest = 0,
                 const FirstWords& first = {});

// Writes each pupil's practice worksheet to folder/LOGIN.pdf, from the same
// settings: their words to practise first, filled up from the word list (a
// fresh sheet for a pupil with none). Returns 0, or 1 when a sheet could not
// be written (each named on stderr).
int runPracticeWorksheets(const std::string& folder, const std::vector<PupilPractice>& pupils,
                          const WordListPlaces& places, const std::string& programFolder, const QString& language,
                          bool capitals, const std::string& theme, int longest);

}  // namespace brindolo
