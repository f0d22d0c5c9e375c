// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A pupil's results file: UTF-8 CSV (RFC 4180), one line per game under a
// header line that names the columns. Readers find the columns by these
// names, so a later version may add columns and older readers still read it.

#include "results/game_tally.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brindolo {

namespace results_columns {
inline constexpr std::string_view kDate = "date";
inline constexpr std::string_view kWordList = "word list";
inline constexpr std::string_view kFound = "words found";
inline constexpr std::string_view kWrongDrops = "wrong drops";
inline constexpr std::string_view kSeconds = "seconds";
inline constexpr std::string_view kNotFound = "words not found";
inline constexpr std::string_view kWordsDealt = "words dealt";
inline constexpr std::string_view kMixUps = "mix-ups";
}  // namespace results_columns

// The header line, its line break included.
std::string resultsHeader();
// The game's line, its line break included; the date in local time with its
// offset (2026-03-02T09:15:00+01:00), the words not found and the words dealt
// separated by ", ", each mix-up as "gatto>cane" (the letters of gatto dropped
// on the picture of cane). A file begun with an older header, without the
// last two columns, takes these lines as they are: readers take the fields
// past its header as those columns.
std::string resultsLine(const GameResult& result);

// A game's line is about a hundred bytes: a line of 64 KiB is no game's.
inline constexpr std::size_t kMostRecordBytes = 64 * 1024;

// One record of a CSV text and the number of the line it starts on. A
// record whose quotes do not close, or longer than kMostRecordBytes, comes
// with why it cannot be read and no fields.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
    const char* broken = nullptr;
};

// The records of a CSV text one at a time, so that reading a file holds one
// record however large the file.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : text_(text) {}
    // The next record; nothing at the end of the text. Empty lines are
    // passed over.
    std::optional<CsvRecord> next();

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
};

// The words of a "words not found" field.
std::vector<std::string> splitWords(std::string_view field);

// Bounds on the counts of one game: ten words, and wrong drops or seconds
// that eleven days of play would not reach.
inline constexpr int kMostGameCount = 1'000'000;

// One game's line of a results file, as read: the game as its tally gave
// it, but without its date and word list, which no reader needs; its words
// and mix-ups are empty in the lines of files written before those columns.
struct GameLine : GameResult {
    int line = 0;
};

// Reads the game lines of a results file's text in order, handing each to
// game; each line that cannot be read goes to skip with why.
void readGameLines(std::string_view text, const std::function<void(GameLine&&)>& game,
                   const std::function<void(int line, const char* why)>& skip);

}  // namespace brindolo
