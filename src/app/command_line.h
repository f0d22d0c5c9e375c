// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the command line asks for, read before anything of the window's is
// set up, so that help, version, the folder check and a mistyped option
// never need a display.

#include "app/start_settings.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brindolo {

struct WorksheetOptions {
    std::string file;                   // --worksheet's PDF file, the file system's bytes; "-" for standard output
    std::optional<std::uint32_t> seed;  // --seed
    bool smallLetters = false;          // --small-letters
};

// The word list's operations without a window: --add, --export, --import.
struct ListEditOptions {
    std::vector<std::string> pictures;  // --add's picture files, the file system's bytes
    std::optional<QString> word;        // --word, as typed
    std::string archive;                // --export's or --import's file, the file system's bytes
    bool replace = false;               // --replace
};

struct CommandLine {
    enum class Action { Play, Check, Worksheet, Summary, Edit, Add, Export, Import, Help, Version, Error };
    Action action = Action::Play;
    std::string checkFolder;          // --check's folder; empty for the word list the game would use
    std::string summaryFolder;        // --summary's results folder
    std::string worksheetsFolder;     // --worksheets, with --summary: where each pupil's sheet goes
    TypedSettings settings;           // the start settings' options
    WorksheetOptions worksheet;       // --worksheet and the options that go with it
    ListEditOptions edit;             // --add, --export or --import and their options
    std::string editorFile;           // --edit's FILE.brindolo to offer for import; empty when none
    QString text;                     // the help or version text, or what is wrong
};

// The file system's bytes of an argument as readCommandLine keeps it: an
// argument that is not UTF-8 comes back byte for byte.
std::string fileBytes(const QString& argument);

// Reads the arguments (argv[0] included). Qt's own window options, such as
// -platform or -style, are accepted and left for the application object.
CommandLine readCommandLine(int argc, char** argv);

}  // namespace brindolo
