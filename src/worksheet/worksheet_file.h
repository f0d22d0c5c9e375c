// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A worksheet of a fresh deal written to a PDF file, with no window: what
// "--worksheet FILE" does once its caller has settled where the words come
// from and in which language the sheet speaks.

#include "game/game.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace brindolo {

struct WorksheetRequest {
    std::string wordFolder;              // the word list, the file system's bytes, ending with "/"
    QString languageFile;                // the interface language's file; empty for the Italian texts
    bool capitals = true;                // the case box of a game at start
    std::optional<std::uint32_t> seed;  // the same number deals the same words; none: the clock's
    std::string theme;                   // a theme of the word list; empty for the whole list
    int longest = 0;                     // the most letters a word has; 0 for any
    FirstWords first;                    // the words the deal begins with: a pupil's to practise
};

// Deals ten words as the game does, ten different ones whenever the list
// has them, and writes both pages to path. Raises Exception, with a message
// for the user, when the word list (or the theme) holds no picture of at
// most the longest letters or the file cannot be written; a file already at path is then
// left as it was, and nothing half-written is left beside it.
// path is in the file system's bytes, and written by the rules of
// system/output_file.h ("-" is standard output).
void writeWorksheet(const WorksheetRequest& request, const std::string& path);

}  // namespace brindolo
