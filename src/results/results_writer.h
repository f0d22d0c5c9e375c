// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A pupil's results, written only where a school asked for them: one line per
// game in FOLDER/LOGIN.csv. A folder or file that cannot be written costs the
// results, logged, and never the game.

#include "results/game_tally.h"
#include "system/line_appender.h"

#include <memory>
#include <string>

namespace brindolo {

// The login name of the user running the program, from the password
// database; empty when it has none.
std::string loginName();

class ResultsWriter {
public:
    // Writes into folder under login; logs one warning and writes nothing
    // when the folder cannot be written to.
    ResultsWriter(const std::string& folder, std::string login);
    void write(const GameResult& result) const;

private:
    std::unique_ptr<LineAppender> appender_;
    std::string file_;
};

}  // namespace brindolo
