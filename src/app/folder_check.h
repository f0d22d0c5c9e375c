// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The check of a picture folder before a lesson: every picture is read and
// decoded with the picture frame's settings, at the scale the frame asks for
// at the window's design size (every compressed byte is still read, so the
// same damage shows), on every core; every name is read as the catalogue
// reads it. One line for each finding,
//   NAME: error: TEXT      (the game cannot show it, or its word is wrong)
//   NAME: warning: TEXT    (it works, but probably not as meant)
// then, when some words have a recording beside their picture (gatto.ogg),
// "R of N words have a recording", and a last line
// "N pictures, E errors, W warnings". No window and no
// display: only the codec and the text rules are used.

#include "game/word_findings.h"

#include <cstdio>
#include <string>

namespace brindolo {

struct FolderCheckCounts {
    int pictures = 0;
    int errors = 0;
    int warnings = 0;
    // Pictures with a recording beside them, playable or not.
    int recordings = 0;
};

// Checks the folder (the file system's bytes) and writes the report to out.
FolderCheckCounts checkPictureFolder(const std::string& folder, std::FILE* out);

}  // namespace brindolo
