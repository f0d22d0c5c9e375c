// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A pupil's results file: UTF-8 CSV (RFC 4180), one line per game under a
// header line that names the columns. Readers find the columns by these
// names, so a later version may add columns and older readers still read it.

#include "results/game_tally.h"

#include <string>
#include <string_view>
#include <vector>

namespace brindolo {

namespace results_columns {
inline constexpr std::string_view kDate = "date";
inline constexpr std::string_view kWordList = "word list";
inline constexpr std::string_view kFound = "words found";
inline constexpr std::string_view kWrongDrops = "wrong drops";
inline constexpr std::string_view kSeconds = "seconds";
inline constexpr std::string_view kNotFound = "words not found";
}  // namespace results_columns

// The header line, its line break included.
std::string resultsHeader();
// The game's line, its line break included; the date in local time with its
// offset (2026-03-02T09:15:00+01:00), the words not found separated by ", ".
std::string resultsLine(const GameResult& result);

// The records of a CSV text, each with the number of the line it starts on.
// A record whose quotes do not close is dropped and its line put in broken.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};
std::vector<CsvRecord> readCsv(std::string_view text, std::vector<int>& broken);

// The words of a "words not found" field.
std::vector<std::string> splitWords(std::string_view field);

}  // namespace brindolo
