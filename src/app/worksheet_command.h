// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "--worksheet FILE", read with the rest of the command line: settled into a
// worksheet request and written with no window and no display.

#include "app/command_line.h"
#include "game/word_list.h"

#include <QString>
#include <optional>
#include <string>

namespace brindolo {

// Writes the worksheet the command line asks for, from settings already
// resolved: language is a name from the list (empty for the Italian texts),
// capitals the letter case. Returns the exit status: 0 written, 1 no
// pictures or a file that cannot be written; messages go to stderr.
int runWorksheet(const WorksheetOptions& options, const WordListPlaces& places, const std::string& programFolder,
                 const QString& language, bool capitals, const std::string& theme = {}, int longest = 0);

}  // namespace brindolo
