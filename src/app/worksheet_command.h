// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "--worksheet FILE" and the options that go with it: read with the rest of
// the command line, then settled into a worksheet request and written with
// no window and no display.

#include "app/command_line.h"
#include "game/word_list.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace brindolo {

class WorksheetParser {
public:
    // Adds the worksheet's options to the parser.
    explicit WorksheetParser(QCommandLineParser& parser);
    // After parsing: fills line.worksheet and, for --worksheet, the action.
    // False, with line's action Error and its text, for a mistake: a seed
    // that is no number, or an option that only goes with --worksheet.
    bool read(const QCommandLineParser& parser, CommandLine& line) const;

private:
    QCommandLineOption worksheet_;
    QCommandLineOption seed_;
    QCommandLineOption smallLetters_;
};

// Writes the worksheet the command line asks for, from settings already
// resolved: language is a name from the list (empty for the Italian texts),
// capitals the letter case. Returns the exit status: 0 written, 1 no
// pictures or a file that cannot be written; messages go to stderr.
int runWorksheet(const WorksheetOptions& options, const WordListPlaces& places, const std::string& programFolder,
                 const QString& language, bool capitals, const std::string& theme = {}, int longest = 0);

}  // namespace brindolo
